#include "config/tracker_config.h"

namespace wl3 {

TrackerConfig::TrackerConfig() {
    for (int p = 0; p < kProfileCount; ++p) {
        setText(callsign[p], "NOCALL");
        setText(digiPath[p], "WIDE2-2");
        setText(statusText[p], "Wrenlink3");
    }
}

// The setters mask the profile index, so a stray currentProfile can never write past the
// two profiles.
void TrackerConfig::setCallsign(std::string_view text) {
    setText(callsign[currentProfile & 1], text);
}

void TrackerConfig::setDigiPath(std::string_view text) {
    setText(digiPath[currentProfile & 1], text);
}

void TrackerConfig::setStatusText(std::string_view text) {
    setText(statusText[currentProfile & 1], text);
}

int clampInt(int value, int low, int high) {
    if (value < low) {
        return low;
    }
    if (value > high) {
        return high;
    }
    return value;
}

} // namespace wl3
