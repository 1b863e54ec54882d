#pragma once

#include "outcomes/file_problem.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace wl3 {

// An open folder, closed with its owner.
class FolderFd {
public:
    FolderFd() = default;
    explicit FolderFd(int fd) : fd_(fd) {}
    ~FolderFd() { reset(); }
    FolderFd(const FolderFd&) = delete;
    FolderFd& operator=(const FolderFd&) = delete;
    FolderFd(FolderFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FolderFd& operator=(FolderFd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }

    int get() const { return fd_; }

private:
    void reset() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = -1;
    }

    int fd_ = -1;
};

// Where a save goes once every link on its path is followed: a name in a folder held open,
// so that nothing renamed meanwhile can send the save elsewhere; or one of our own open
// descriptors, when the path names one (/dev/stdout, /dev/fd/N, /proc/self/fd/N).
struct SavedPath {
    FolderFd folder;
    std::string name;
    std::filesystem::path folderPath; // for messages
    int descriptor = -1;
};

// A folder where anyone may make a file but only its owner may remove it, such as /tmp.
bool isSharedFolder(const struct stat& folder);

// Follows every link on path, in the folders on the way as well as at its end, to the name
// a save replaces or creates. False, with refusal or error saying why, when a link on the
// way is another user's in a shared folder (as the system refuses when it protects such
// folders: it could send a save by root anywhere), when root meets a link of another user
// but root anywhere (save, under sudo, the invoking user's own in a folder of theirs), when
// links go round in circles or too deep, or when a folder on the way cannot be opened.
// Refusals name the link and its owner.
bool resolveSavedPath(const std::filesystem::path& path, SavedPath& where, FileReason& refusal);

} // namespace wl3
