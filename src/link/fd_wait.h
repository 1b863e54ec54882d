#pragma once

namespace wl3 {

enum class FdWait { Ready, TimedOut, Failed };

// Waits until fd can be read (or written) without blocking, at most timeoutMs. A hang-up
// or error counts as ready, so that the read or write that follows reports it. TimedOut
// also when a signal cut the wait short; callers keep their own deadline.
FdWait waitForFd(int fd, bool forWrite, int timeoutMs);

} // namespace wl3
