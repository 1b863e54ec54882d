#pragma once

#include "config/config_image.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The outside of a configuration file: its name and its header, "WL3A" and the image length
// as 32-bit little-endian, before the image. Read and written here only, for the programs,
// the simulated tracker and the tests.
namespace wl3 {

inline constexpr std::string_view kConfigFileExtension = ".wl3";
inline constexpr std::size_t kConfigFileHeaderSize = 8;
inline constexpr int kConfigFileSize = static_cast<int>(kConfigFileHeaderSize) + kImageSize;

// Whether bytes begin with the magic, in any letter case, as files have always been taken;
// a JSON document never does.
bool hasConfigFileMagic(std::string_view bytes);

// The image length that the header at the start of bytes gives; nothing when bytes are
// shorter than a header or do not begin with the magic.
std::optional<std::uint32_t> configFileImageLength(std::string_view bytes);

// What follows the header in a file's bytes; empty when they are no longer than one.
std::string_view configFileImage(std::string_view bytes);

// The header of a file holding an image of imageLength bytes.
std::string configFileHeader(std::uint32_t imageLength);

} // namespace wl3
