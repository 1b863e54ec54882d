#pragma once

#include "config/config_differences.h"

#include <string>

namespace wl3 {

// What differs between two configurations, a line for each field under the window's
// labels, the first configuration's value before the arrow ("Primary  Callsign  N0CALL-7 →
// N0CALL-9"), the calibration once; when only stored bytes differ, a line that says how
// many; nothing when the two are the same.
std::string formatDifferences(const ConfigComparison& comparison);

// The same as one JSON document: "same", "storedBytesDiffering" and "differences", an
// object holding for each field's key its label and both values as the JSON form writes
// them.
std::string differencesToJsonText(const ConfigComparison& comparison);

// A field's label as lines of wl3 name it: the window's, without its colon.
std::string fieldLabel(const FieldDifference& difference);

} // namespace wl3
