#include "files/saved_path_posix.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <vector>

namespace wl3 {

namespace {

// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Puts the parts of text, in order, before those still to be walked; empty parts (a
// doubled or a final slash) go.
void prependParts(std::deque<std::string>& parts, std::string_view text) {
    std::vector<std::string> split;
    while (!text.empty()) {
        const auto slash = std::min(text.find('/'), text.size());
        if (slash > 0) {
            split.emplace_back(text.substr(0, slash));
        }
        text.remove_prefix(std::min(slash + 1, text.size()));
    }
    parts.insert(parts.begin(), split.begin(), split.end());
}

std::string joined(const std::vector<std::string>& folders, std::string_view last = {}) {
    std::string path;
    for (const std::string& folder : folders) {
        path += '/' + folder;
    }
    if (!last.empty()) {
        path += '/';
        path += last;
    }
    return path.empty() ? "/" : path;
}

// Whether the folder, by its parts from the root, is the table of this process's (or one
// of its threads') open descriptors.
bool isOwnDescriptorTable(const std::vector<std::string>& folders) {
    const std::string pid = std::to_string(getpid());
    if (folders.size() < 3 || folders[0] != "proc" || folders[1] != pid) {
        return false;
    }
    return (folders.size() == 3 && folders[2] == "fd") ||
           (folders.size() == 5 && folders[2] == "task" && folders[4] == "fd");
}

bool isDescriptorNumber(std::string_view part) {
    return !part.empty() && part.size() <= 9 &&
           part.find_first_not_of("0123456789") == std::string_view::npos;
}

FolderFd openFolder(int at, const char* name) {
    return FolderFd(::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// The user who started wl3 through sudo, as sudo tells it.
std::optional<uid_t> sudoUser() {
    const char* given = std::getenv("SUDO_UID");
    if (given == nullptr) {
        return std::nullopt;
    }
    const std::string_view text(given);
    uid_t uid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), uid);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return uid;
}

// A refusal of a link, naming its owner by name where the user has one.
FileReason refusedLink(FileProblem problem, const struct stat& link) {
    FileReason reason{.problem = problem, .ownerId = link.st_uid};
    std::array<char, 1024> buffer{};
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (getpwuid_r(link.st_uid, &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr) {
        reason.owner = found->pw_name;
    }
    return reason;
}

// Why a link in folder may not be followed, or nothing. In a shared folder, as the system
// refuses when it protects such folders, only the folder owner's links and our own. Root,
// besides, follows no other user's link anywhere: whoever owns a link chooses where root's
// save goes. The one exception is the user who started wl3 through sudo, in a folder of
// their own, so that a link they keep to their own file works as it does without sudo.
std::optional<FileReason> linkRefusal(const struct stat& link, const struct stat& folder) {
    const uid_t self = geteuid();
    if (isSharedFolder(folder) && link.st_uid != self && link.st_uid != folder.st_uid) {
        return refusedLink(FileProblem::OthersLink, link);
    }
    if (self != 0 || link.st_uid == 0) {
        return std::nullopt;
    }
    const std::optional<uid_t> invoker = sudoUser();
    if (invoker && link.st_uid == *invoker && folder.st_uid == *invoker) {
        return std::nullopt;
    }
    return refusedLink(FileProblem::OthersLinkRoot, link);
}

} // namespace

bool isSharedFolder(const struct stat& folder) {
    return (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
}

bool resolveSavedPath(const std::filesystem::path& path, SavedPath& where, FileReason& refusal) {
    std::deque<std::string> parts;
    prependParts(parts, path.native());
    FolderFd folder = openFolder(AT_FDCWD, path.is_absolute() ? "/" : ".");
    // The folder's parts from the root, while they are known, to tell /proc's own.
    std::vector<std::string> folders;
    bool foldersKnown = path.is_absolute();
    if (!foldersKnown) {
        std::error_code unknown;
        const std::filesystem::path current = std::filesystem::current_path(unknown);
        foldersKnown = !unknown;
        std::deque<std::string> currentParts;
        prependParts(currentParts, current.native());
        folders.assign(currentParts.begin(), currentParts.end());
    }
    int links = 0;
    std::string name = ".";
    while (!parts.empty() && folder.get() >= 0) {
        const bool last = parts.size() == 1;
        const std::string part = std::move(parts.front());
        parts.pop_front();
        if (part == "." || part == "..") {
            if (last) {
                name = part; // a folder, which the save refuses
            } else if (part == "..") {
                folder = openFolder(folder.get(), "..");
                if (!folders.empty()) {
                    folders.pop_back();
                }
            }
            continue;
        }
        struct stat info {};
        if (fstatat(folder.get(), part.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && last) {
                name = part; // a new file
                continue;
            }
            refusal = errno == ENOENT ? FileReason{FileProblem::FolderMissing}
                                      : FileReason{FileProblem::System, lastError()};
            return false;
        }
        if (!S_ISLNK(info.st_mode)) {
            if (last) {
                name = part;
            } else {
                folder = openFolder(folder.get(), part.c_str());
                folders.push_back(part);
            }
            continue;
        }
        if (foldersKnown && isOwnDescriptorTable(folders) && isDescriptorNumber(part)) {
            if (!last) {
                refusal = {FileProblem::System, std::make_error_code(std::errc::not_a_directory)};
                return false;
            }
            where.descriptor = std::stoi(part);
            return true;
        }
        struct stat folderInfo {};
        if (fstat(folder.get(), &folderInfo) != 0) {
            refusal = {FileProblem::System, lastError()};
            return false;
        }
        if (auto refused = linkRefusal(info, folderInfo)) {
            refusal = std::move(*refused);
            if (!last) {
                refusal.via = joined(folders, part);
            }
            return false;
        }
        std::array<char, 4096> target{};
        const ssize_t length = readlinkat(folder.get(), part.c_str(), target.data(), target.size());
        if (++links > kMaxLinks || length <= 0 ||
            static_cast<std::size_t>(length) == target.size()) {
            refusal = {FileProblem::LinkNowhere};
            return false;
        }
        if (target[0] == '/') {
            folder = openFolder(AT_FDCWD, "/");
            folders.clear();
            foldersKnown = true;
        }
        prependParts(parts, std::string_view(target.data(), static_cast<std::size_t>(length)));
    }
    if (folder.get() < 0) {
        refusal = {FileProblem::System, lastError()};
        return false;
    }
    where.folder = std::move(folder);
    where.name = name;
    where.folderPath = foldersKnown ? std::filesystem::path(joined(folders)) : path.parent_path();
    return true;
}

} // namespace wl3
