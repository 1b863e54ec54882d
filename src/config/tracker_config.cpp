#include "config/tracker_config.h"

namespace wl3 {

TrackerConfig::TrackerConfig() {
    for (int p = 0; p < kProfileCount; ++p) {
        setText(callsign[p], "NOCALL");
        setText(digiPath[p], "WIDE2-2");
        setText(statusText[p], "Wrenlink3");
    }
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
