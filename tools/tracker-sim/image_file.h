#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wl3::sim {

// A .wl3 file: "WL3A", the image length as 32-bit little-endian, the image.
std::optional<std::vector<std::uint8_t>> loadImageFile(const std::string& path, std::string& error);

// Written to a temporary file and renamed, so that a reader never sees half a file.
bool saveImageFile(const std::string& path, const std::vector<std::uint8_t>& image);

} // namespace wl3::sim
