#pragma once

#include "outcomes/reporter.h"

#include <QObject>

namespace wl3::ui {

// Passes every report to another reporter on the GUI thread. A command running on a worker
// thread waits until the user has answered each box, so that boxes come one at a time and
// in the order the command reached them, exactly as when it ran on the GUI thread.
class GuiThreadReporter : public Reporter {
public:
    explicit GuiThreadReporter(Reporter& shown) : shown_(shown) {}

    void report(const Outcome& outcome) override;

private:
    Reporter& shown_;
    QObject guiThread_; // lives on the thread that made this reporter
};

} // namespace wl3::ui
