#pragma once

#include "config/config_image.h"
#include "outcomes/reporter.h"

#include <filesystem>
#include <optional>

namespace wl3 {

// The image that a configuration file stands for beside another: a .wl3 file's as it is
// stored, a JSON file's as a write of it would store it (its record on the defaults'
// image), so that a file and a tracker holding one image compare the same. Nothing, after
// saying why, when the file cannot be loaded or holds a value the tracker could not hold.
std::optional<ConfigImage> imageOfFile(const std::filesystem::path& path, Reporter& reporter);

} // namespace wl3
