#pragma once

#include "cli/progress.h"
#include "cli/subcommands.h"
#include "support/recording_reporter.h"

#include <sstream>
#include <string>
#include <vector>

namespace wl3::test {

// Keeps every message as wl3 shows it, before it becomes a line: a refusal of values gives
// one for each value.
class RecordingLines : public LineReporter {
public:
    using Entry = RecordingReporter::Entry;

    void show(std::string_view caption, std::string_view text) override {
        entries.push_back({std::string(caption), std::string(text)});
    }

    std::vector<Entry> entries;
};

// What one in-process command needs, with its output and its messages kept for checks.
struct CommandRun {
    explicit CommandRun(bool showProgress = false) : progress(progressText, showProgress) {}

    std::ostringstream out;
    std::ostringstream progressText;
    RecordingLines reporter;
    TerminalProgress progress;
    CommandContext context{out, reporter, progress};
};

// The lines a terminal would show for text, each as its last redraw after a '\r'.
inline std::vector<std::string> screenLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(
            line.substr(line.rfind('\r') == std::string::npos ? 0 : line.rfind('\r') + 1));
    }
    return lines;
}

} // namespace wl3::test
