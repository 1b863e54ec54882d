#pragma once

#include "cli/commands.h"
#include "support/recording_reporter.h"

#include <sstream>

namespace wl3::test {

// What one in-process command needs, with its output and its messages kept for checks.
struct CommandRun {
    explicit CommandRun(bool showProgress = false) : progress(progressText, showProgress) {}

    std::ostringstream out;
    std::ostringstream progressText;
    RecordingReporter reporter;
    Progress progress;
    CommandContext context{out, reporter, progress};
};

} // namespace wl3::test
