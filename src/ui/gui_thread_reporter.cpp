#include "ui/gui_thread_reporter.h"

#include <QThread>

namespace wl3::ui {

void GuiThreadReporter::report(const Outcome& outcome) {
    const auto show = [&] { shown_.report(outcome); };
    if (QThread::currentThread() == guiThread_.thread()) {
        show();
    } else {
        QMetaObject::invokeMethod(&guiThread_, show, Qt::BlockingQueuedConnection);
    }
}

} // namespace wl3::ui
