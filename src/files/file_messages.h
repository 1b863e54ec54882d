#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace wl3 {

// The captions and texts of failed loads and saves, whatever the file holds.
inline constexpr std::string_view kLoadFailed = "Load Failed";
inline constexpr std::string_view kSaveFailed = "Save Failed";
inline constexpr std::string_view kFailedToOpenFile = "Failed to open file";
inline constexpr std::string_view kFailedToReadData = "Failed to read data";
inline constexpr std::string_view kFailedToWriteData = "Failed to write data";

// A file named in a message: its path as given, or "standard input" for "-".
inline std::string nameForMessages(const std::filesystem::path& path) {
    return path == "-" ? "standard input" : path.string();
}

// Which file, and why, for the user: the line that follows a failure's fixed text.
inline std::string fileAndReason(const std::filesystem::path& path, std::string_view reason) {
    return nameForMessages(path) + ": " + std::string(reason);
}

// A failure's fixed text, then the file and the reason on a line of their own.
inline std::string explainedFailure(std::string_view text, const std::filesystem::path& path,
                                    std::string_view reason) {
    return std::string(text) + '\n' + fileAndReason(path, reason);
}

// The system's reason, in the words the messages use for the common ones.
inline std::string systemReason(std::error_code error) {
    if (error == std::errc::no_such_file_or_directory) {
        return "does not exist";
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return "permission denied";
    }
    return error.message();
}

inline constexpr std::string_view kIsFolder = "is a folder";
inline constexpr std::string_view kIsReadOnly = "is read-only";

} // namespace wl3
