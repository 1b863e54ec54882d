// Shows the main window and saves a picture of it: wrenlink3config-grab OUTPUT.png
#include "link/port_mapping.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/message_box_reporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWindow>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: wrenlink3config-grab OUTPUT.png\n");
        return 2;
    }
    wl3::ui::MessageBoxReporter reporter;
    wl3::ui::QtFileDialogs fileDialogs;
    wl3::ui::ConfigDialog dialog({reporter, fileDialogs, wl3::portDevicePath});
    dialog.show();
    QElapsedTimer waited;
    waited.start();
    while (!(dialog.windowHandle() && dialog.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (!dialog.grab().save(arguments.at(1), "PNG")) {
        std::fprintf(stderr, "wrenlink3config-grab: cannot write %s\n",
                     qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
