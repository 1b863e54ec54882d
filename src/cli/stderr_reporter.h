#pragma once

#include "config/reporter.h"

#include <iostream>
#include <ostream>

namespace wl3 {

// The window's message boxes as lines of text: an error box as its text, a captioned
// message as "Caption: text", one per line.
class StderrReporter : public Reporter {
public:
    explicit StderrReporter(std::ostream& err = std::cerr) : err_(err) {}

    void errorBox(std::string_view text) override;
    void message(std::string_view caption, std::string_view text) override;

private:
    std::ostream& err_;
};

} // namespace wl3
