#include "cli/stderr_reporter.h"

#include "formats/text_encoding.h"

#include <string>

namespace wl3 {

namespace {

// One message, one line: a text that ends in a line break (the decoder's size message)
// ends here anyway, and the line breaks of a text of several lines (the port's reason
// after "Count not aquire Com Port") join its parts.
std::string oneLine(std::string_view text) {
    std::string line;
    bool atBreak = false;
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            atBreak = true;
            continue;
        }
        if (atBreak && !line.empty()) {
            line += ": ";
        }
        atBreak = false;
        line += printableText(std::string_view(&c, 1));
    }
    return line;
}

} // namespace

void StderrReporter::startLine() {
    if (progress_ != nullptr) {
        progress_->endLine();
    }
}

void StderrReporter::errorBox(std::string_view text) {
    startLine();
    err_ << oneLine(text) << '\n' << std::flush;
}

void StderrReporter::message(std::string_view caption, std::string_view text) {
    startLine();
    err_ << oneLine(caption) << ": " << oneLine(text) << '\n' << std::flush;
}

} // namespace wl3
