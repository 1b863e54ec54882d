#include "cli/progress.h"

namespace wl3 {

// A phase begins at 0 bytes and its line ends once all its bytes have moved; a failed
// phase's line is ended by the message that follows.
void TerminalProgress::progress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    if (!enabled_) {
        return;
    }
    if (bytesDone == 0) {
        endLine();
    }
    err_ << '\r' << phaseText(phase) << "... " << bytesDone << '/' << bytesExpected << " bytes";
    lineOpen_ = true;
    if (bytesDone >= bytesExpected) {
        endLine();
    }
    err_.flush();
}

void TerminalProgress::endLine() {
    if (lineOpen_) {
        err_ << '\n' << std::flush;
        lineOpen_ = false;
    }
}

} // namespace wl3
