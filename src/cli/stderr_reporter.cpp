#include "cli/stderr_reporter.h"

#include "formats/text_encoding.h"
#include "wording/wording.h"

#include <string>

namespace wl3 {

namespace {

// One message, one line: a text that ends in a line break (the decoder's size message)
// ends here anyway, and the line breaks of a text of several lines (the port's reason
// after a failed port call) join its parts.
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

void LineReporter::report(const Outcome& outcome) {
    for (const Wording& wording : commandLineWordings(outcome)) {
        show(englishCaption(wording), englishText(wording));
    }
}

void StderrReporter::show(std::string_view caption, std::string_view text) {
    if (progress_ != nullptr) {
        progress_->endLine();
    }
    if (!caption.empty()) {
        err_ << oneLine(caption) << ": ";
    }
    err_ << oneLine(text) << '\n' << std::flush;
}

} // namespace wl3
