// Closing the window when the session ends, with nobody left to answer it.
#include "ui/config_dialog.h"
#include "ui/unanswered_boxes.h"

#include <QEventLoop>
#include <QThread>

namespace wl3::ui {

// A command's box runs an event loop beneath this call while its worker waits for the
// answer, off the line: waiting here for that worker would wait for ever, and need not.
void ConfigDialog::endSession(Waiting waiting) {
    const bool boxOpen = UnansweredBoxes::anyOpen(*this);
    if (!sessionEnding_) {
        sessionEnding_ = true;
        new UnansweredBoxes(*this);
    }
    done(QDialog::Rejected);
    if (waiting == Waiting::ForTheLine && !boxOpen && worker_ != nullptr) {
        QEventLoop ended;
        connect(worker_, &QThread::finished, &ended, &QEventLoop::quit);
        if (!worker_->isFinished()) {
            ended.exec();
        }
    }
}

} // namespace wl3::ui
