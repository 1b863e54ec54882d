#pragma once

#include "link/exchange_observer.h"
#include "outcomes/reporter.h"

#include <QDialog>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

namespace wl3::ui {

// Stands over the window while a device command talks to the tracker: the phase, and a bar
// that moves with the bytes. Only the command's end closes it, and a box hides it. Where
// stopping is allowed, Cancel and Escape ask the exchange to stop at its next byte; a write
// offers neither, since a half-written tracker is worse than a slow one. Its close box
// (Alt+F4 too) is the window's: the window closes as by its own, whichever of the two had
// the focus.
class ProgressDialog : public QDialog {
    Q_OBJECT

public:
    ProgressDialog(QWidget& window, bool stoppable);

    void showProgress(ExchangePhase phase, int bytesDone, int bytesExpected);

    // From any thread.
    bool stopRequested() const { return stopRequested_.load(); }

    // Cancel, where stopping is allowed.
    void reject() override;
    // The window is closing: a read stops at its next byte, a write once its image is out.
    void requestStop();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* phase_;
    QProgressBar* bar_;
    QPushButton* cancel_ = nullptr;
    std::atomic<bool> stopRequested_{false};
};

// Shows boxes with the panel out of the way, on the GUI thread: a result must not sit over a
// full bar and a Cancel that looks live. The next progress brings the panel back.
class PanelAsideReporter : public Reporter {
public:
    PanelAsideReporter(Reporter& shown, ProgressDialog& panel) : shown_(shown), panel_(panel) {}
    void report(const Outcome& outcome) override;

private:
    Reporter& shown_;
    ProgressDialog& panel_;
};

// Hands what a link on a worker thread reports to a ProgressDialog on the GUI thread.
class ProgressObserver : public ExchangeObserver {
public:
    explicit ProgressObserver(ProgressDialog& dialog) : dialog_(dialog) {}

    void progress(ExchangePhase phase, int bytesDone, int bytesExpected) override;
    bool stopRequested() override { return dialog_.stopRequested(); }

private:
    ProgressDialog& dialog_;
};

} // namespace wl3::ui
