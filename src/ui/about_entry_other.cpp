#include "ui/about_dialog.h"
#include "ui/about_entry.h"

#include <QAction>
#include <QDialog>
#include <QKeySequence>

namespace wl3::ui {

void addAboutEntry(QDialog& window) {
    auto* about = new QAction(AboutDialog::entryText(), &window);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(about, &QAction::triggered, &window, [&window] {
        AboutDialog dialog(&window);
        dialog.exec();
    });
    window.addAction(about);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace wl3::ui
