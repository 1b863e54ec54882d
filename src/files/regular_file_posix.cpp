#include "files/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wl3 {

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// What a file of that mode is to a loader; Ok for a regular file.
RegularFileRead kindOf(const struct stat& info) {
    if (S_ISREG(info.st_mode)) {
        return RegularFileRead::Ok;
    }
    return S_ISDIR(info.st_mode) ? RegularFileRead::IsFolder : RegularFileRead::NotAFile;
}

// Reads fd until its end or limit bytes.
RegularFileRead readUpTo(int fd, std::size_t limit, std::string& bytes, std::error_code& error) {
    bytes.assign(limit, '\0');
    std::size_t count = 0;
    while (count < limit) {
        const ssize_t got = ::read(fd, bytes.data() + count, limit - count);
        if (got > 0) {
            count += static_cast<std::size_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            error = lastError();
            return RegularFileRead::ReadFailed;
        }
    }
    bytes.resize(count);
    return RegularFileRead::Ok;
}

} // namespace

RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                std::string& bytes, std::error_code& error) {
    // Opening a device can itself act on it (a serial line raises its control lines), so
    // the kind is checked before the open as well as after it.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        error = lastError();
        return RegularFileRead::NotOpened;
    }
    if (const RegularFileRead kind = kindOf(info); kind != RegularFileRead::Ok) {
        return kind;
    }
    // Non-blocking, so that a FIFO put in its place meanwhile cannot hold the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = lastError();
        return RegularFileRead::NotOpened;
    }
    RegularFileRead result = fstat(fd, &info) == 0 ? kindOf(info) : RegularFileRead::NotAFile;
    if (result == RegularFileRead::Ok) {
        result = readUpTo(fd, limit, bytes, error);
    }
    ::close(fd);
    return result;
}

RegularFileRead readStandardInput(std::size_t limit, std::string& bytes, std::error_code& error) {
    return readUpTo(STDIN_FILENO, limit, bytes, error);
}

} // namespace wl3
