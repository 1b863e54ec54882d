#pragma once

#include <string_view>

namespace wl3 {

// The captions and texts of failed loads and saves, whatever the file holds.
inline constexpr std::string_view kLoadFailed = "Load Failed";
inline constexpr std::string_view kSaveFailed = "Save Failed";
inline constexpr std::string_view kFailedToOpenFile = "Failed to open file";
inline constexpr std::string_view kFailedToReadData = "Failed to read data";
inline constexpr std::string_view kFailedToWriteData = "Failed to write data";

} // namespace wl3
