#include "link/exchange_observer.h"

namespace wl3 {

std::string_view phaseText(ExchangePhase phase) {
    switch (phase) {
    case ExchangePhase::CheckingTracker:
        return "Asking the tracker for its version";
    case ExchangePhase::FirstRead:
        return "Reading the configuration";
    case ExchangePhase::SecondRead:
        return "Reading it again, to verify";
    case ExchangePhase::Writing:
        return "Writing the configuration";
    case ExchangePhase::ReadingBack:
        return "Reading it back, to verify";
    case ExchangePhase::Tone:
        return "Sending the tone command";
    }
    return {};
}

} // namespace wl3
