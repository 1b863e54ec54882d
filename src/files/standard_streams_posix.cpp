#include "files/standard_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wl3 {

bool namesTerminal(const std::filesystem::path& path) {
    struct stat named {};
    if (stat(path.c_str(), &named) != 0 || !S_ISCHR(named.st_mode)) {
        return false;
    }
    // Only a device can tell whether it is a terminal. Non-blocking, so that the open
    // cannot wait on a line's carrier.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const bool terminal = fd >= 0 && isatty(fd) == 1;
    if (fd >= 0) {
        ::close(fd);
    }
    return terminal;
}

} // namespace wl3
