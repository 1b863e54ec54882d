#include "config/profile_fields.h"

namespace wl3 {

bool timestampDhmShown(const TrackerConfig& config, int p) {
    return config.timestamp[p] && !config.timestampHms[p];
}

bool timestampHmsShown(const TrackerConfig& config, int p) {
    return config.timestamp[p] && config.timestampHms[p];
}

void storeTimestampDhm(TrackerConfig& config, int p, bool checked) {
    config.timestamp[p] = checked;
}

// Timestamps are on when either box is checked; Timestamp DHM has been stored already.
void storeTimestampHms(TrackerConfig& config, int p, bool checked) {
    config.timestamp[p] = config.timestamp[p] || checked;
    config.timestampHms[p] = checked;
}

} // namespace wl3
