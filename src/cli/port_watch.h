#pragma once

#include "cli/subcommands.h"

namespace wl3 {

// wl3 ports --watch: a line on context.out for each serial device that comes or goes (local
// time, added or removed, COM entry, device, description), or with json a JSON object per
// line, until Ctrl-C, a request to terminate or a hang-up; then kExitOk, or kExitFailed
// when the output could not be written.
int runPortWatch(const CommandContext& context, bool json);

} // namespace wl3
