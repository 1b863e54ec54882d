#include "files/replacing_file.h"
#include "files/saved_path_posix.h"
#include "files/temporary_cleanup_posix.h"

#include <cerrno>
#include <fcntl.h>
#include <iomanip>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace wl3 {

namespace fs = std::filesystem;

namespace {

// Saves on several threads take turns from the temporary's making to the end: the signal
// handler that removes an interrupted save's temporary knows one name.
std::mutex savingTurn;

} // namespace

struct ReplacingFile::Output {
    std::unique_lock<std::mutex> turn; // held while there is a temporary; let go last
    SavedPath where;                   // the folder and the name, links followed
    std::string temporary;             // in that folder; empty when the target is written in place
    int fd = -1;
    std::optional<mode_t> keptMode; // the replaced file's; none for a new file
    int writeError = 0;
    bool committed = false;
};

namespace {

// Leaves room for the temporary's suffix within the longest name a folder takes.
constexpr std::size_t kMaxNameKept = 200;
constexpr mode_t kModeBits = 07777;

std::string temporaryName(const std::string& name, std::uint32_t random) {
    std::ostringstream text;
    text << name.substr(0, kMaxNameKept) << '.' << std::hex << std::setw(8) << std::setfill('0')
         << random << ".saving";
    return text.str();
}

// A new name of our own in the folder, made as mkstemp does: exclusively, never through a
// link someone planted there. -1 with errno set when none could be made.
int createTemporary(const SavedPath& where, mode_t mode, std::string& temporary) {
    std::random_device random;
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string candidate = temporaryName(where.name, random());
        const int fd = ::openat(where.folder.get(), candidate.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
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

std::error_code lastError() {
    return {errno, std::generic_category()};
}

FileReason systemFailure() {
    return {FileProblem::System, lastError()};
}

// A terminal of this program's: behind one of its standard streams, or the name of its
// controlling terminal.
bool isOwnTerminal(dev_t device) {
    struct stat named {};
    if (stat("/dev/tty", &named) == 0 && S_ISCHR(named.st_mode) && named.st_rdev == device) {
        return true;
    }
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (isatty(fd) == 1 && fstat(fd, &stream) == 0 && stream.st_rdev == device) {
            return true;
        }
    }
    return false;
}

bool isNullDevice(dev_t device) {
    struct stat null {};
    return stat("/dev/null", &null) == 0 && S_ISCHR(null.st_mode) && null.st_rdev == device;
}

// Of the devices, only what a user points an output at on purpose: their terminal, or
// nothing at all. Another's FIFO may keep a save waiting for ever or hand it to whoever
// reads; a serial line would take the file for commands.
bool isWritableDevice(const struct stat& existing) {
    return S_ISCHR(existing.st_mode) &&
           (isNullDevice(existing.st_rdev) || isOwnTerminal(existing.st_rdev));
}

// Why an existing file may not be written, or nothing when it may.
std::optional<FileProblem> refusalOf(const struct stat& existing, const struct stat& folder) {
    if (S_ISDIR(existing.st_mode)) {
        return FileProblem::IsFolder;
    }
    if (S_ISFIFO(existing.st_mode)) {
        return FileProblem::IsPipe;
    }
    if (S_ISCHR(existing.st_mode) && !isWritableDevice(existing)) {
        return FileProblem::IsDevice;
    }
    if (!S_ISREG(existing.st_mode) && !S_ISCHR(existing.st_mode)) {
        return FileProblem::NotWritable;
    }
    if ((existing.st_mode & S_IWUSR) == 0) {
        // Judged by the mode, not by trying: root could write anything.
        return FileProblem::IsReadOnly;
    }
    // Another user's file in a shared folder such as /tmp is not replaced, as the system
    // refuses to open one when it protects such folders: it may be a trap laid for root.
    if (S_ISREG(existing.st_mode) && isSharedFolder(folder) && existing.st_uid != geteuid() &&
        existing.st_uid != folder.st_uid) {
        return FileProblem::OthersFile;
    }
    return std::nullopt;
}

} // namespace

ReplacingFile::ReplacingFile(const fs::path& target)
    : target_(target), output_(std::make_unique<Output>()) {}

ReplacingFile::~ReplacingFile() {
    Output& out = *output_;
    if (out.fd >= 0) {
        ::close(out.fd);
    }
    if (!out.temporary.empty() && !out.committed) {
        ::unlinkat(out.where.folder.get(), out.temporary.c_str(), 0);
        stopRemovingTemporaryOnSignal();
    }
}

bool ReplacingFile::open() {
    Output& out = *output_;
    if (FileReason refusal; !resolveSavedPath(target_, out.where, refusal)) {
        fail(std::move(refusal));
        return false;
    }
    if (out.where.descriptor >= 0) {
        // A name for a descriptor of ours (/dev/stdout, /dev/fd/3) is that descriptor, with
        // its offset and append mode: it is written where it stands, as "-" is.
        out.fd = ::fcntl(out.where.descriptor, F_DUPFD_CLOEXEC, 0);
        if (out.fd < 0) {
            fail(systemFailure());
        }
        return out.fd >= 0;
    }
    struct stat folder {};
    struct stat existing {};
    const int folderFd = out.where.folder.get();
    const bool exists =
        fstatat(folderFd, out.where.name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if ((!exists && errno != ENOENT) || fstat(folderFd, &folder) != 0) {
        fail(systemFailure());
        return false;
    }
    if (exists) {
        if (const auto refused = refusalOf(existing, folder)) {
            fail({*refused});
            return false;
        }
        if (!S_ISREG(existing.st_mode)) {
            return openDevice(existing);
        }
    }

    out.turn = std::unique_lock(savingTurn);
    out.fd = createTemporary(out.where, exists ? S_IRUSR | S_IWUSR : 0666, out.temporary);
    if (out.fd < 0) {
        // A folder that exists and has no such name: one the system fills itself, as /proc.
        failInFolder(out.where.folderPath, errno == ENOENT
                                               ? FileReason{FileProblem::SystemFolder}
                                               : FileReason{FileProblem::NoNewFile, lastError()});
        return false;
    }
    removeTemporaryOnSignal(folderFd, out.temporary);
    if (exists) {
        out.keptMode = existing.st_mode & kModeBits;
        if (fchown(out.fd, existing.st_uid, existing.st_gid) != 0) {
            fail({FileProblem::OwnerNotKept});
            return false;
        }
    }
    return true;
}

// Opened so that nothing can keep the open waiting, and checked to be the device judged:
// the name could lead elsewhere by now. The writes that follow wait as usual.
bool ReplacingFile::openDevice(const struct stat& judged) {
    Output& out = *output_;
    out.fd = ::openat(out.where.folder.get(), out.where.name.c_str(),
                      O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    struct stat opened {};
    if (out.fd < 0 || fstat(out.fd, &opened) != 0) {
        fail(systemFailure());
        return false;
    }
    if (!S_ISCHR(opened.st_mode) || opened.st_rdev != judged.st_rdev) {
        fail({FileProblem::IsDevice});
        return false;
    }
    const int flags = fcntl(out.fd, F_GETFL);
    if (flags < 0 || fcntl(out.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        fail(systemFailure());
        return false;
    }
    return true;
}

bool ReplacingFile::probe() {
    Output& out = *output_;
    if (out.temporary.empty()) {
        return out.fd >= 0;
    }
    constexpr std::size_t kBlock = 4096;
    const std::vector<std::byte> block(kBlock);
    write(block);
    if (out.writeError == 0 && fsync(out.fd) != 0 && errno != EINVAL) {
        out.writeError = errno;
    }
    if (out.writeError != 0) {
        fail({FileProblem::System, {out.writeError, std::generic_category()}});
        return false;
    }
    return true;
}

void ReplacingFile::write(std::span<const std::byte> bytes) {
    Output& out = *output_;
    while (!bytes.empty() && out.fd >= 0 && out.writeError == 0) {
        const ssize_t written = ::write(out.fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            out.writeError = written < 0 ? errno : ENOSPC;
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
    int error = out.writeError;
    const auto attempt = [&error](bool succeeded) {
        if (!succeeded && error == 0) {
            error = errno;
        }
    };
    if (!out.temporary.empty()) {
        // fchown above cleared any set-id bits; the mode goes on after it.
        attempt(error != 0 || !out.keptMode || fchmod(out.fd, *out.keptMode) == 0);
        // On disk before the rename, so that a crash leaves the old file or the new one.
        attempt(error != 0 || fsync(out.fd) == 0 || errno == EINVAL);
    }
    attempt(::close(out.fd) == 0);
    out.fd = -1;
    if (error == 0 && !out.temporary.empty()) {
        const int folderFd = out.where.folder.get();
        attempt(::renameat(folderFd, out.temporary.c_str(), folderFd, out.where.name.c_str()) == 0);
    }
    out.committed = error == 0;
    if (out.committed && !out.temporary.empty()) {
        stopRemovingTemporaryOnSignal();
    }
    if (error != 0) {
        fail({FileProblem::System, {error, std::generic_category()}});
    }
    return out.committed;
}

} // namespace wl3
