#include "files/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wl3 {

namespace {

bool isRegular(const struct stat& info) {
    return S_ISREG(info.st_mode);
}

// Reads fd until its end or limit bytes.
RegularFileRead readUpTo(int fd, std::size_t limit, std::string& bytes) {
    bytes.assign(limit, '\0');
    std::size_t count = 0;
    while (count < limit) {
        const ssize_t got = ::read(fd, bytes.data() + count, limit - count);
        if (got > 0) {
            count += static_cast<std::size_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            return RegularFileRead::ReadFailed;
        }
    }
    bytes.resize(count);
    return RegularFileRead::Ok;
}

} // namespace

RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                std::string& bytes) {
    // Opening a device can itself act on it (a serial line raises its control lines), so
    // the kind is checked before the open as well as after it.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !isRegular(info)) {
        return RegularFileRead::NotOpened;
    }
    // Non-blocking, so that a FIFO put in its place meanwhile cannot hold the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return RegularFileRead::NotOpened;
    }
    if (fstat(fd, &info) != 0 || !isRegular(info)) {
        ::close(fd);
        return RegularFileRead::NotOpened;
    }
    const RegularFileRead result = readUpTo(fd, limit, bytes);
    ::close(fd);
    return result;
}

RegularFileRead readStandardInput(std::size_t limit, std::string& bytes) {
    return readUpTo(STDIN_FILENO, limit, bytes);
}

} // namespace wl3
