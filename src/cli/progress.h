#pragma once

#include "link/exchange_observer.h"

#include <ostream>
#include <string>

namespace wl3 {

// "Writing... 40/128 bytes": how far a phase has got, in the words a person sees.
std::string progressText(ExchangePhase phase, int bytesDone, int bytesExpected);

// Shows a person at a terminal how far an exchange with the tracker has got, since one can
// take seconds: a line per phase, redrawn in place as bytes move. Silent when nobody
// watches (stderr redirected).
class TerminalProgress : public ExchangeObserver {
public:
    TerminalProgress(std::ostream& err, bool enabled) : err_(err), enabled_(enabled) {}
    ~TerminalProgress() override { endLine(); }

    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void progress(ExchangePhase phase, int bytesDone, int bytesExpected) override;

    // Ends a line still being redrawn, so that what follows on err starts on its own line.
    void endLine();

private:
    std::ostream& err_;
    bool enabled_;
    bool lineOpen_ = false;
};

} // namespace wl3
