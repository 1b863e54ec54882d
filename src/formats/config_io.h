#pragma once

#include "config/config_image.h"
#include "config/status.h"
#include "config/tracker_config.h"
#include "outcomes/reporter.h"

#include <filesystem>
#include <optional>

namespace wl3 {

// A configuration on disk is a .wl3 file (the window's format) or its JSON form, told
// apart by the extension, whatever its letter case.
enum class ConfigFileKind { Wl3, Json, Unknown };

ConfigFileKind configFileKind(const std::filesystem::path& path);

// For option checks: whether path names a .wl3 or a .json file or is "-" (a standard
// stream).
bool namesConfigFile(const std::filesystem::path& path);

// Replaces config with the file's configuration; reports failures and then leaves config
// untouched. A JSON file starts from the defaults, so keys it leaves out get them. "-"
// reads standard input, a .wl3 file when it starts with the file's magic, else JSON.
// storedImage, when given, receives the image of a .wl3 file as it stands.
Status loadConfiguration(const std::filesystem::path& path, TrackerConfig& config,
                         Reporter& reporter, std::optional<ConfigImage>* storedImage = nullptr);

// The same for a file in the JSON form, whatever its name.
Status loadJsonConfiguration(const std::filesystem::path& path, TrackerConfig& config,
                             Reporter& reporter);

// Writes config to path, all or nothing. A .wl3 file runs the image encoder, which may
// refuse (then nothing is written).
Status saveConfiguration(const std::filesystem::path& path, const TrackerConfig& config,
                         Reporter& reporter);

} // namespace wl3
