#include "cli/progress.h"

#include "wording/wording.h"

namespace wl3 {

std::string progressText(ExchangePhase phase, int bytesDone, int bytesExpected) {
    return english(phaseWording(phase)) + "... " + std::to_string(bytesDone) + '/' +
           std::to_string(bytesExpected) + " bytes";
}

// A phase begins at 0 bytes and its line ends once all its bytes have moved; a failed
// phase's line is ended by the message that follows.
void TerminalProgress::progress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    if (!enabled_) {
        return;
    }
    if (bytesDone == 0) {
        endLine();
    }
    err_ << '\r' << progressText(phase, bytesDone, bytesExpected);
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
