#pragma once

#include "cli/progress.h"
#include "outcomes/reporter.h"

#include <iostream>
#include <ostream>

namespace wl3 {

// wl3's messages: each outcome in the window's words, one line a message. A refusal of
// values gives a message for each value.
class LineReporter : public Reporter {
public:
    void report(const Outcome& outcome) final;

    // One message: caption empty for an error box, text of one line or several.
    virtual void show(std::string_view caption, std::string_view text) = 0;
};

// The window's message boxes as lines on err: an error box as its text, a captioned
// message as "Caption: text", one per line, each on a line of its own even when progress
// is being drawn on err.
class StderrReporter : public LineReporter {
public:
    explicit StderrReporter(std::ostream& err = std::cerr, TerminalProgress* progress = nullptr)
        : err_(err), progress_(progress) {}

    void show(std::string_view caption, std::string_view text) override;

private:
    std::ostream& err_;
    TerminalProgress* progress_;
};

} // namespace wl3
