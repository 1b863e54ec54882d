#pragma once

#include "config/status.h"
#include "outcomes/reporter.h"

#include <filesystem>
#include <string_view>

namespace wl3 {

// Writes content to path the way configuration files are saved: replaced whole or left
// as it was, with failures reported as a failed save.
Status writeTextFile(const std::filesystem::path& path, std::string_view content,
                     Reporter& reporter);

} // namespace wl3
