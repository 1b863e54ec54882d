#include "cli/interrupts.h"

#include "cli/platform.h"

namespace wl3 {

InterruptibleExchanges::InterruptibleExchanges(ExchangeObserver& shown) : shown_(shown) {
    startCatchingInterrupts();
}

InterruptibleExchanges::~InterruptibleExchanges() {
    stopCatchingInterrupts();
}

void InterruptibleExchanges::progress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    if (phase == ExchangePhase::Writing && bytesDone > 0) {
        writeBegun_ = true;
    }
    shown_.progress(phase, bytesDone, bytesExpected);
}

bool InterruptibleExchanges::stopRequested() {
    return interruptCaught() || shown_.stopRequested();
}

} // namespace wl3
