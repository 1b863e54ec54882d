#include "link/fd_wait.h"

#include <cerrno>
#include <poll.h>

namespace wl3 {

FdWait waitForFd(int fd, bool forWrite, int timeoutMs) {
    pollfd ready{fd, static_cast<short>(forWrite ? POLLOUT : POLLIN), 0};
    const int result = poll(&ready, 1, timeoutMs);
    if (result < 0) {
        return errno == EINTR ? FdWait::TimedOut : FdWait::Failed;
    }
    if (result == 0) {
        return FdWait::TimedOut;
    }
    return (ready.revents & POLLNVAL) != 0 ? FdWait::Failed : FdWait::Ready;
}

} // namespace wl3
