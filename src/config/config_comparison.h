#pragma once

#include "config/config_differences.h"
#include "config/config_image.h"

namespace wl3 {

// The records that two images hold, compared field by field, and how many of their bytes
// differ: two images may differ in bytes that no field reads (a flag byte's unused bit,
// what lies past a status text) and still hold the same record.
ConfigComparison compareConfigurations(const ConfigImage& first, const ConfigImage& second);

// into takes from's value of the field that difference names, in its profile.
void takeValue(TrackerConfig& into, const TrackerConfig& from, const FieldDifference& difference);

} // namespace wl3
