// Shows the main window and saves a picture of it, and optionally one of it during a read
// with its progress display, in the language given or the system's, as the window chooses:
// wrenlink3config-grab [--language CODE] OUTPUT.png [READING.png]
#include "link/port_mapping.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/message_box_reporter.h"
#include "ui/progress_dialog.h"
#include "ui/ui_language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <QWindow>
#include <iostream>

namespace {

void waitUntilExposed(QWidget& widget) {
    QElapsedTimer waited;
    waited.start();
    while (!(widget.windowHandle() && widget.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

bool save(const QPixmap& picture, const QString& path) {
    if (!picture.save(path, "PNG")) {
        std::cerr << "wrenlink3config-grab: cannot write " << qPrintable(path) << "\n";
        return false;
    }
    return true;
}

// The progress display drawn centred over the window, as it stands while the first read
// is halfway; its frame stands in for the title bar that a window manager would add.
QPixmap duringARead(wl3::ui::ConfigDialog& dialog) {
    wl3::ui::ProgressDialog progress(dialog, true);
    progress.showProgress(wl3::ExchangePhase::FirstRead, 64, 128);
    progress.show();
    waitUntilExposed(progress);
    QPixmap picture = dialog.grab();
    const QPixmap over = progress.grab();
    const QPoint at((picture.width() - over.width()) / 2, (picture.height() - over.height()) / 2);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QColor(0, 0, 0, 40));
    painter.drawPixmap(at, over);
    painter.setPen(dialog.palette().color(QPalette::Dark));
    painter.drawRect(QRect(at, over.size()).adjusted(-1, -1, 0, 0));
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    QString code;
    if (arguments.size() > 2 && arguments.at(1) == QStringLiteral("--language")) {
        code = arguments.at(2);
        arguments.remove(1, 2);
    }
    if (arguments.size() != 2 && arguments.size() != 3) {
        std::cerr << "usage: wrenlink3config-grab [--language CODE] OUTPUT.png [READING.png]\n";
        return 2;
    }
    const wl3::ui::UiLanguage language(code);
    wl3::ui::MessageBoxReporter reporter;
    wl3::ui::QtFileDialogs fileDialogs;
    wl3::ui::ConfigDialog dialog({reporter, fileDialogs, wl3::portDevicePath});
    reporter.setOwner(&dialog);
    dialog.show();
    waitUntilExposed(dialog);
    if (!save(dialog.grab(), arguments.at(1))) {
        return 1;
    }
    if (arguments.size() == 3 && !save(duringARead(dialog), arguments.at(2))) {
        return 1;
    }
    return 0;
}
