#include "cli/interrupts.h"

#include <csignal>

namespace wl3 {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void noteInterrupt(int /*signal*/) {
    interrupted = 1;
}

} // namespace

InterruptibleExchanges::InterruptibleExchanges(ExchangeObserver& shown) : shown_(shown) {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a wait in progress returns early, and the exchange sees the stop.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, &previousInterrupt_);
    sigaction(SIGTERM, &action, &previousTerminate_);
}

InterruptibleExchanges::~InterruptibleExchanges() {
    sigaction(SIGINT, &previousInterrupt_, nullptr);
    sigaction(SIGTERM, &previousTerminate_, nullptr);
}

void InterruptibleExchanges::progress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    if (phase == ExchangePhase::Writing && bytesDone > 0) {
        writeBegun_ = true;
    }
    shown_.progress(phase, bytesDone, bytesExpected);
}

bool InterruptibleExchanges::stopRequested() {
    return interrupted != 0 || shown_.stopRequested();
}

} // namespace wl3
