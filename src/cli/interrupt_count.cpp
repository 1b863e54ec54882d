#include "cli/interrupt_count.h"

#include "cli/platform.h"

#include <atomic>

namespace wl3 {

namespace {

std::atomic<int> interrupts{0};
std::atomic<int> endingStatus{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch it so");

} // namespace

// The first interrupt names the exit status, but a hang-up wins over any: the terminal is
// gone whatever was asked before. The status is noted first, so that whoever sees the count
// sees it too.
void noteInterruptCaught(int exitStatus) {
    if (exitStatus == kExitHungUp) {
        endingStatus = exitStatus;
    } else {
        int none = 0;
        endingStatus.compare_exchange_strong(none, exitStatus);
    }
    interrupts.fetch_add(1);
}

int interruptsCaught() {
    return interrupts;
}

int interruptExitStatus() {
    return endingStatus;
}

void forgetInterrupts() {
    interrupts = 0;
    endingStatus = 0;
}

} // namespace wl3
