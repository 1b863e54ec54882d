#include "cli/interrupt_count.h"
#include "cli/platform.h"

#include <array>
#include <cstddef>
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wl3 {

namespace {

constexpr std::array<int, 3> kCaught{SIGINT, SIGTERM, SIGHUP};
std::array<struct sigaction, kCaught.size()> previous{};
struct sigaction previousPipe {};

// As a shell reports a program that the signal ended.
extern "C" void noteInterrupt(int signal) {
    constexpr int kEndedBySignal = 128;
    noteInterruptCaught(kEndedBySignal + signal);
}

} // namespace

void startCatchingInterrupts() {
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    // SA_RESTART so that a write to a slow or paused terminal is not cut short, which
    // would lose the warning that follows; the port's waits (poll, select) return early
    // all the same, and the exchange sees the stop.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kCaught.size(); ++i) {
        sigaction(kCaught[i], nullptr, &previous[i]);
        // nohup, or a background job of a shell without job control.
        if (previous[i].sa_handler != SIG_IGN) {
            sigaction(kCaught[i], &action, nullptr);
        }
    }
    // A reader gone from a pipe must not end wl3 while it holds the port.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &previousPipe);
}

void stopCatchingInterrupts() {
    for (std::size_t i = 0; i < kCaught.size(); ++i) {
        sigaction(kCaught[i], &previous[i], nullptr);
    }
    sigaction(SIGPIPE, &previousPipe, nullptr);
}

bool terminalEscapesWork() {
    return true;
}

TerminalSize standardErrorSize() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) {
        return {};
    }
    return {size.ws_col, size.ws_row};
}

std::optional<std::uint64_t> characterDeviceNumbers(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISCHR(info.st_mode)) {
        return std::nullopt;
    }
    return info.st_rdev;
}

void useBinaryStandardOutput() {} // POSIX never translates

std::optional<std::size_t> descriptorsLeft() {
    // Beyond this many, a fleet's trackers never run short.
    constexpr rlim_t kPlenty = 4096;
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur > kPlenty) {
        return std::nullopt;
    }
    std::size_t open = 0;
    for (rlim_t fd = 0; fd < limit.rlim_cur; ++fd) {
        open += fcntl(static_cast<int>(fd), F_GETFD) != -1 ? 1 : 0;
    }
    return static_cast<std::size_t>(limit.rlim_cur) - open;
}

} // namespace wl3
