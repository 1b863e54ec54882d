#pragma once

#include <QApplication>

namespace wl3::ui {

// A busy cursor over the whole application for as long as this object lives: a device
// command blocks the window while it waits on the line.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The ordinary pointer for as long as this object lives, when a WaitCursor is in force: a
// box that a command shows midway is waiting for the user, not for the line.
class ArrowWhileBusy {
public:
    ArrowWhileBusy() : busy_(QApplication::overrideCursor() != nullptr) {
        if (busy_) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~ArrowWhileBusy() {
        if (busy_) {
            QApplication::restoreOverrideCursor();
        }
    }
    ArrowWhileBusy(const ArrowWhileBusy&) = delete;
    ArrowWhileBusy& operator=(const ArrowWhileBusy&) = delete;

private:
    bool busy_;
};

} // namespace wl3::ui
