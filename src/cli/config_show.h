#pragma once

#include "config/tracker_config.h"

#include <string>

namespace wl3 {

// Both profiles side by side under the window's labels, then the shared calibration;
// lines of at most 79 columns, long texts wrapped within their column.
std::string formatConfig(const TrackerConfig& config);

} // namespace wl3
