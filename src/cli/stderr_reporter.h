#pragma once

#include "cli/progress.h"
#include "config/reporter.h"

#include <iostream>
#include <ostream>

namespace wl3 {

// The window's message boxes as lines of text: an error box as its text, a captioned
// message as "Caption: text", one per line, each on a line of its own even when progress
// is being drawn on err.
class StderrReporter : public Reporter {
public:
    explicit StderrReporter(std::ostream& err = std::cerr, TerminalProgress* progress = nullptr)
        : err_(err), progress_(progress) {}

    void errorBox(std::string_view text) override;
    void message(std::string_view caption, std::string_view text) override;

private:
    void startLine();

    std::ostream& err_;
    TerminalProgress* progress_;
};

} // namespace wl3
