#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wl3 {

// The captions and texts of failed loads and saves, whatever the file holds.
inline constexpr std::string_view kLoadFailed = "Load Failed";
inline constexpr std::string_view kSaveFailed = "Save Failed";
inline constexpr std::string_view kFailedToOpenFile = "Failed to open file";
inline constexpr std::string_view kFailedToReadData = "Failed to read data";
inline constexpr std::string_view kFailedToWriteData = "Failed to write data";

// Why a save was refused, for the user: the path as given, then the reason.
inline std::string saveRefusal(const std::filesystem::path& path, std::string_view reason) {
    return path.string() + ": " + std::string(reason);
}

inline constexpr std::string_view kIsFolder = "is a folder";
inline constexpr std::string_view kIsReadOnly = "is read-only";

} // namespace wl3
