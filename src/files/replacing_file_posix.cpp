#include "files/file_messages.h"
#include "files/replacing_file.h"

#include <cerrno>
#include <fcntl.h>
#include <iomanip>
#include <optional>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace wl3 {

namespace fs = std::filesystem;

struct ReplacingFile::Output {
    fs::path destination; // the target with its links followed: the name replaced
    fs::path temporary;   // empty when the target is written in place
    int fd = -1;
    std::optional<mode_t> keptMode; // the replaced file's; none for a new file
    bool writeFailed = false;
    bool committed = false;
};

namespace {

// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;
// Leaves room for the temporary's suffix within the longest name a folder takes.
constexpr std::size_t kMaxNameKept = 200;
constexpr mode_t kModeBits = 07777;

// Another user's link in a shared folder such as /tmp is not followed, as the system
// refuses to when it protects such folders: it could send a save by root anywhere.
bool isPlantedLink(const fs::path& link, const struct stat& linkInfo) {
    const fs::path folder = link.has_parent_path() ? link.parent_path() : fs::path(".");
    struct stat folderInfo {};
    if (stat(folder.c_str(), &folderInfo) != 0) {
        return false;
    }
    const bool shared = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    return shared && linkInfo.st_uid != geteuid() && linkInfo.st_uid != folderInfo.st_uid;
}

// Follows the links in path's last part to the name they end at, which need not exist
// yet. Empty when they end somewhere, else why not.
std::string_view followLinks(fs::path& path) {
    for (int followed = 0; followed <= kMaxLinks; ++followed) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return {};
        }
        if (isPlantedLink(path, info)) {
            return "is another user's link in a shared folder";
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return "is a link that leads nowhere a file can be saved";
}

fs::path temporaryBeside(const fs::path& target, std::uint32_t random) {
    std::ostringstream name;
    name << target.filename().string().substr(0, kMaxNameKept) << '.' << std::hex << std::setw(8)
         << std::setfill('0') << random << ".saving";
    return target.parent_path() / name.str();
}

// A new name of our own beside target, made as mkstemp does: exclusively, never through
// a link someone planted there.
int createTemporary(const fs::path& target, mode_t mode, fs::path& temporary) {
    std::random_device random;
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const fs::path candidate = temporaryBeside(target, random());
        const int fd =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            temporary = candidate;
            return fd;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return -1;
}

} // namespace

ReplacingFile::ReplacingFile(const fs::path& target)
    : target_(target), output_(std::make_unique<Output>()) {}

ReplacingFile::~ReplacingFile() {
    if (output_->fd >= 0) {
        ::close(output_->fd);
    }
    if (!output_->temporary.empty() && !output_->committed) {
        ::unlink(output_->temporary.c_str());
    }
}

bool ReplacingFile::open() {
    Output& out = *output_;
    struct stat existing {};
    const bool exists = stat(target_.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return false;
    }
    if (exists) {
        const bool special = S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode);
        if (S_ISDIR(existing.st_mode)) {
            reason_ = saveRefusal(target_, kIsFolder);
        } else if (!S_ISREG(existing.st_mode) && !special) {
            reason_ = saveRefusal(target_, "is neither a file nor a device to write to");
        } else if ((existing.st_mode & S_IWUSR) == 0) {
            // Judged by the mode, not by trying: root could write anything.
            reason_ = saveRefusal(target_, kIsReadOnly);
        }
        if (!reason_.empty()) {
            return false;
        }
        if (special) {
            out.fd = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            return out.fd >= 0;
        }
    }

    fs::path& destination = out.destination;
    destination = target_;
    if (const std::string_view refusal = followLinks(destination); !refusal.empty()) {
        reason_ = saveRefusal(target_, refusal);
        return false;
    }
    struct stat replaced {};
    if (exists && (lstat(destination.c_str(), &replaced) != 0 ||
                   replaced.st_dev != existing.st_dev || replaced.st_ino != existing.st_ino)) {
        // A link of the system's own, such as one under /proc, names no file to replace.
        reason_ = saveRefusal(target_, "is a link that leads to no file name");
        return false;
    }

    out.fd = createTemporary(destination, exists ? S_IRUSR | S_IWUSR : 0666, out.temporary);
    if (out.fd < 0) {
        return false;
    }
    if (exists) {
        out.keptMode = existing.st_mode & kModeBits;
        if (fchown(out.fd, existing.st_uid, existing.st_gid) != 0) {
            reason_ = saveRefusal(target_, "belongs to another user or group, which a new file "
                                           "could not keep");
            return false;
        }
    }
    return true;
}

void ReplacingFile::write(std::span<const std::byte> bytes) {
    Output& out = *output_;
    while (!bytes.empty() && out.fd >= 0 && !out.writeFailed) {
        const ssize_t written = ::write(out.fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            out.writeFailed = true;
            return;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

bool ReplacingFile::commit() {
    Output& out = *output_;
    if (out.fd < 0) {
        return false;
    }
    bool ok = !out.writeFailed;
    if (!out.temporary.empty()) {
        // fchown above cleared any set-id bits; the mode goes on after it.
        ok = ok && (!out.keptMode || fchmod(out.fd, *out.keptMode) == 0);
        // On disk before the rename, so that a crash leaves the old file or the new one.
        ok = ok && (fsync(out.fd) == 0 || errno == EINVAL);
    }
    ok = ::close(out.fd) == 0 && ok;
    out.fd = -1;
    if (ok && !out.temporary.empty()) {
        ok = ::rename(out.temporary.c_str(), out.destination.c_str()) == 0;
    }
    out.committed = ok;
    return ok;
}

} // namespace wl3
