#pragma once

#include "outcomes/reporter.h"

class QWidget;

namespace wl3::ui {

// Reports with message boxes that have a single OK button and no icon, but for the refusal of
// values the tracker cannot hold, which has the warning icon. They block the whole
// application, so that no second command can start while a box of the first is open. Each
// opens over its owner, on the owner's screen, and belongs to it among other windows.
class MessageBoxReporter : public Reporter {
public:
    // The owner may be set later, once the window exists; it must outlive the reporter's use.
    explicit MessageBoxReporter(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    // A box in the user's language: under the outcome's caption, or the platform's default
    // title for an error.
    void report(const Outcome& outcome) override;

    QWidget* owner_;
};

} // namespace wl3::ui
