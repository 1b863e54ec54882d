#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wl3::sim {

// A .wl3 file of any image length (config_file_header.h).
std::optional<std::vector<std::uint8_t>> loadImageFile(const std::string& path, std::string& error);

// Written to a temporary file and renamed, so that a reader never sees half a file.
bool saveImageFile(const std::string& path, const std::vector<std::uint8_t>& image);

} // namespace wl3::sim
