#pragma once

#include "config/reporter.h"

#include <QObject>

namespace wl3::ui {

// Passes every report to another reporter on the GUI thread. A command running on a worker
// thread waits until the user has answered each box, so that boxes come one at a time and
// in the order the command reached them, exactly as when it ran on the GUI thread.
class GuiThreadReporter : public Reporter {
public:
    explicit GuiThreadReporter(Reporter& shown) : shown_(shown) {}

    void errorBox(std::string_view text) override;
    void message(std::string_view caption, std::string_view text) override;

private:
    template <typename Show> void onGuiThread(const Show& show);

    Reporter& shown_;
    QObject guiThread_; // lives on the thread that made this reporter
};

} // namespace wl3::ui
