#include "cli/interrupt_count.h"

#include "cli/platform.h"

#include <atomic>

namespace wl3 {

namespace {

std::atomic<int> interrupts{0};
std::atomic<bool> hungUp{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "a signal handler may only touch them so");

} // namespace

// The hang-up is noted first, so that whoever sees the count sees it too.
void noteInterruptCaught(bool hangUp) {
    if (hangUp) {
        hungUp = true;
    }
    interrupts.fetch_add(1);
}

int interruptsCaught() {
    return interrupts;
}

bool hangUpCaught() {
    return hungUp;
}

void forgetInterrupts() {
    interrupts = 0;
    hungUp = false;
}

} // namespace wl3
