#pragma once

#include "config/status.h"
#include "files/replacing_file.h"
#include "outcomes/reporter.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace wl3 {

// "-" in place of a file name: standard input where a file is read (and, for wl3, standard
// output where one is written).
bool isStandardStream(const std::filesystem::path& path);

// The first bytes of a file that a loader reads, at most limit of them, or nothing after
// reporting a failed load: which file and why. Only a regular file is read, or standard
// input for "-": a folder, a FIFO or a device is refused at once as a file that cannot be
// opened, so that a load never waits for a writer that does not come nor reads without end.
std::optional<std::string> readInputFile(const std::filesystem::path& path, std::size_t limit,
                                         Reporter& reporter);

// Saves to path whole or not at all (see ReplacingFile). Once the file is open, fill writes
// the contents, or returns false after saying why there are none, which leaves the target
// as it was. Failures of the file itself are reported as a failed save.
Status saveWholeFile(const std::filesystem::path& path, Reporter& reporter,
                     const std::function<bool(ReplacingFile&)>& fill);

} // namespace wl3
