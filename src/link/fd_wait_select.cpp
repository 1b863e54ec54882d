#include "link/fd_wait.h"

#include <cerrno>
#include <sys/select.h>

// macOS's poll() does not support devices, serial ports among them; select() does.
namespace wl3 {

FdWait waitForFd(int fd, bool forWrite, int timeoutMs) {
    if (fd < 0 || fd >= FD_SETSIZE) {
        return FdWait::Failed;
    }
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int result =
        select(fd + 1, forWrite ? nullptr : &set, forWrite ? &set : nullptr, nullptr, &timeout);
    if (result < 0) {
        return errno == EINTR ? FdWait::TimedOut : FdWait::Failed;
    }
    return result == 0 ? FdWait::TimedOut : FdWait::Ready;
}

} // namespace wl3
