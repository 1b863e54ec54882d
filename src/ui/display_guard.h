#pragma once

namespace wl3::ui {

// Held while the window's application starts. Without a display the toolkit would abort
// with a page of advice about reinstalling; under the guard the program says in one line
// that the window needs a desktop session and that wl3 works without one, and exits with
// status 1. What the toolkit says meanwhile is held back, since it would only bury that
// line, and passed on once the start is over.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard() { end(); }
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The start is over: messages go their usual way again.
    void end();

private:
    bool active_ = true;
};

} // namespace wl3::ui
