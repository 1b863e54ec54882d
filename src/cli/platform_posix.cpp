#include "cli/platform.h"

#include <atomic>
#include <signal.h>

namespace wl3 {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only set it so");

struct sigaction previousInterrupt {};
struct sigaction previousTerminate {};

extern "C" void noteInterrupt(int /*signal*/) {
    interrupted = true;
}

} // namespace

void startCatchingInterrupts() {
    interrupted = false;
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    // SA_RESTART so that a write to a slow or paused terminal is not cut short, which
    // would lose the warning that follows; the port's waits (poll, select) return early
    // all the same, and the exchange sees the stop.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
}

void stopCatchingInterrupts() {
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
}

bool interruptCaught() {
    return interrupted;
}

void useBinaryStandardOutput() {} // POSIX never translates

} // namespace wl3
