#pragma once

#include "config/config_image.h"
#include "config/status.h"
#include "config/tracker_config.h"
#include "formats/config_file_header.h"
#include "outcomes/reporter.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wl3 {

// A configuration file: its header (config_file_header.h), then one image of kImageSize
// bytes. These are the Load and Save of the window, and of wl3 for .wl3 files.

// Replaces config with the file's configuration. Every failure is reported as a failed
// load, with the file and the reason on a second line, and leaves config as it was. Ok only
// when config was replaced.
Status loadConfigFile(const std::filesystem::path& path, TrackerConfig& config, Reporter& reporter);

// The same for a file's bytes already read, such as standard input's; source names them in
// messages. image, when given, receives the file's image as it stands.
Status loadConfigFileBytes(std::string_view bytes, const std::filesystem::path& source,
                           TrackerConfig& config, Reporter& reporter, ConfigImage* image = nullptr);

// The file's bytes for an image as it stands.
std::string configFileBytes(std::span<const std::uint8_t, kImageSize> image);

// The file's bytes for config, encoded; nothing when the encoder refuses (it said why).
std::optional<std::string> encodeConfigFile(const TrackerConfig& config, Reporter& reporter);

// Encodes config and writes it to path, all or nothing: an existing file keeps its old
// contents unless the new one was written whole. Failures are reported as a failed save;
// when the encoder produces no image, nothing is written (the encoder said why).
Status saveConfigFile(const std::filesystem::path& path, const TrackerConfig& config,
                      Reporter& reporter);

// Writes an image as it stands, such as one just read from a tracker, the same safe way:
// a backup restores exactly the bytes the tracker held.
Status saveConfigImage(const std::filesystem::path& path,
                       std::span<const std::uint8_t, kImageSize> image, Reporter& reporter);

} // namespace wl3
