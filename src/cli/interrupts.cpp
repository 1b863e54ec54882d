#include "cli/interrupts.h"

#include "cli/platform.h"
#include "cli/subcommands.h"

#include <mutex>

namespace wl3 {

namespace {

// Several exchanges may hold ports at once, one per thread: interrupts are caught from the
// first port taken until the last is let go.
std::mutex catchingMutex;
int portsHeld = 0;

} // namespace

InterruptibleExchanges::InterruptibleExchanges(ExchangeObserver& shown, Reporter& reporter,
                                               EarlierInterrupts earlier)
    : shown_(shown), reporter_(reporter) {
    if (earlier == EarlierInterrupts::Forgotten) {
        forgetInterrupts();
    }
}

// A port still held here (after a failed open) is released with the link, just before.
InterruptibleExchanges::~InterruptibleExchanges() {
    catchWhileHolding(false);
}

void InterruptibleExchanges::progress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    if (phase == ExchangePhase::Writing && bytesDone > 0) {
        writeBegun_ = true;
        imageSent_ = bytesDone >= bytesExpected;
    }
    shown_.progress(phase, bytesDone, bytesExpected);
}

bool InterruptibleExchanges::stopRequested() {
    return interruptsCaught() > 0 || shown_.stopRequested();
}

bool InterruptibleExchanges::stopAtOnce() {
    const int caught = interruptsCaught();
    if (caught == 1 && !finishingTold_) {
        finishingTold_ = true;
        reporter_.report(ImageFinishing{});
    }
    return caught > 1;
}

void InterruptibleExchanges::holdingPort(bool holding) {
    catchWhileHolding(holding);
}

// Not virtual, so that the destructor may call it too.
void InterruptibleExchanges::catchWhileHolding(bool holding) {
    if (holding == catching_) {
        return;
    }
    catching_ = holding;
    const std::scoped_lock lock(catchingMutex);
    if (holding && portsHeld++ == 0) {
        startCatchingInterrupts();
    } else if (!holding && --portsHeld == 0) {
        stopCatchingInterrupts();
    }
}

Interrupted InterruptibleExchanges::stopOutcome() const {
    if (imageSent_) {
        return {Interrupted::Stage::ImageSent};
    }
    return {writeBegun_ ? Interrupted::Stage::WriteBegun : Interrupted::Stage::Exchange};
}

int InterruptibleExchanges::stoppedExitStatus() const {
    const int status = interruptExitStatus();
    return status != 0 ? status : kExitInterrupted;
}

} // namespace wl3
