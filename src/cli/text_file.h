#pragma once

#include "config/reporter.h"
#include "config/status.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace wl3 {

// Writes content to path the way configuration files are saved: into a temporary file
// beside it, then renamed over it, so that an existing file keeps its old contents unless
// the new ones were written whole. Failures are reported under "Save Failed".
Status writeTextFile(const std::filesystem::path& path, std::string_view content,
                     Reporter& reporter);

// The whole file, or nothing after reporting why it could not be read.
std::optional<std::string> readTextFile(const std::filesystem::path& path, Reporter& reporter);

} // namespace wl3
