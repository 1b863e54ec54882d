#pragma once

#include "link/exchange_observer.h"
#include "outcomes/reporter.h"

namespace wl3 {

// While an exchange holds the port, Ctrl-C, requests to terminate and a hang-up no longer
// end wl3 at once: they ask the exchange to stop at its next byte, so that the port is
// released (its exclusive mark cleared, its lock dropped, its settings put back) before
// wl3 exits. During an image write the first of them lets the image go out whole, saying
// so, and stops before the read-back; a second stops at once. Whenever no port is held
// (files read or written, results printed) they end wl3 as usual, so that nothing else can
// keep it waiting. Progress is passed on to shown. Each watches one link and forgets the
// interrupts caught before it; several may run at once on threads of their own, and those
// made while others run count every interrupt since the run began (EarlierInterrupts::Kept),
// so that one made late neither misses a Ctrl-C nor makes the others miss it.
enum class EarlierInterrupts { Forgotten, Kept };

class InterruptibleExchanges : public ExchangeObserver {
public:
    InterruptibleExchanges(ExchangeObserver& shown, Reporter& reporter,
                           EarlierInterrupts earlier = EarlierInterrupts::Forgotten);
    ~InterruptibleExchanges() override;

    InterruptibleExchanges(const InterruptibleExchanges&) = delete;
    InterruptibleExchanges& operator=(const InterruptibleExchanges&) = delete;

    void progress(ExchangePhase phase, int bytesDone, int bytesExpected) override;
    bool stopRequested() override;
    bool stopAtOnce() override;
    void holdingPort(bool holding) override;

    // For a command that was stopped: what became of the tracker, and the exit status.
    Interrupted stopOutcome() const;
    int stoppedExitStatus() const;

private:
    void catchWhileHolding(bool holding);

    ExchangeObserver& shown_;
    Reporter& reporter_;
    bool catching_ = false;
    bool finishingTold_ = false;
    bool writeBegun_ = false;
    bool imageSent_ = false;
};

} // namespace wl3
