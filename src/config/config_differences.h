#pragma once

#include "config/profile_fields.h"
#include "config/tracker_config.h"

#include <vector>

namespace wl3 {

// A field whose value differs between two configurations, in one profile (the Primary one
// for the calibration that both share).
struct FieldDifference {
    const ProfileField* field = nullptr;
    int profile = kPrimary;
    // The window shows both alike (a field it does not show, or a flag that its check box
    // shows otherwise): only the record's own value tells them apart.
    bool shownAlike = false;
};

// Two configurations as the tracker holds them, and how they differ.
struct ConfigComparison {
    TrackerConfig first;
    TrackerConfig second;
    // The Primary profile's fields in the table's order, then the Secondary's, then the
    // calibration.
    std::vector<FieldDifference> differences;
    int storedBytesDiffering = 0;

    // The tracker does the same with either, whatever bytes it stores otherwise.
    bool sameRecord() const { return differences.empty(); }
};

} // namespace wl3
