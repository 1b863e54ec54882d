#include "ui/gui_thread_reporter.h"

#include <QThread>

namespace wl3::ui {

template <typename Show> void GuiThreadReporter::onGuiThread(const Show& show) {
    if (QThread::currentThread() == guiThread_.thread()) {
        show();
    } else {
        QMetaObject::invokeMethod(&guiThread_, show, Qt::BlockingQueuedConnection);
    }
}

void GuiThreadReporter::errorBox(std::string_view text) {
    onGuiThread([&] { shown_.errorBox(text); });
}

void GuiThreadReporter::message(std::string_view caption, std::string_view text) {
    onGuiThread([&] { shown_.message(caption, text); });
}

} // namespace wl3::ui
