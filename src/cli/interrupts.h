#pragma once

#include "link/exchange_observer.h"

namespace wl3 {

// While it lives, Ctrl-C and requests to terminate no longer end wl3 at once: they ask the
// exchange with the tracker to stop at its next byte, so that the port is released (its
// exclusive mark cleared, its lock dropped) before wl3 exits. Outside exchanges, such as
// while a file is read from a terminal, they end it as usual. Progress is passed on to
// shown. One at a time.
class InterruptibleExchanges : public ExchangeObserver {
public:
    explicit InterruptibleExchanges(ExchangeObserver& shown);
    ~InterruptibleExchanges() override;

    InterruptibleExchanges(const InterruptibleExchanges&) = delete;
    InterruptibleExchanges& operator=(const InterruptibleExchanges&) = delete;

    void progress(ExchangePhase phase, int bytesDone, int bytesExpected) override;
    bool stopRequested() override;

    // Whether a byte of an image write went out: from then on the tracker's memory may
    // hold part of the new image.
    bool writeBegun() const { return writeBegun_; }

private:
    ExchangeObserver& shown_;
    bool writeBegun_ = false;
};

} // namespace wl3
