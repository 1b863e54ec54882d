#pragma once

#include "outcomes/file_problem.h"

#include <compare>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace wl3 {

// What tells one file apart from every other, whatever name or link leads to it: its volume
// and its index there (device and inode), or, for a file not made yet, its folder's and the
// name it will have in that folder.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    std::string newName;      // empty for a file that exists
    bool replaceable = false; // a regular file, or one to be made: what a save overwrites

    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index && newName == other.newName;
    }
    std::strong_ordering operator<=>(const FileIdentity& other) const {
        if (const auto order = volume <=> other.volume; order != 0) {
            return order;
        }
        if (const auto order = index <=> other.index; order != 0) {
            return order;
        }
        return newName <=> other.newName;
    }
};

// The file that a save to path would write, every link followed as the save follows them;
// nothing, with refusal saying why, when the save would be refused on the way (a link it
// does not follow, a folder that does not exist). One implementation per platform.
std::optional<FileIdentity> savedFileIdentity(const std::filesystem::path& path,
                                              std::optional<FileReason>& refusal);

// The file that a load of path reads, or standard input's for "-"; nothing when there is
// none.
std::optional<FileIdentity> loadedFileIdentity(const std::filesystem::path& path);

// The file standard output writes to, when it is one.
std::optional<FileIdentity> standardOutputIdentity();

} // namespace wl3
