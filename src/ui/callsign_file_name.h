#pragma once

#include "config/tracker_config.h"

#include <filesystem>

namespace wl3::ui {

// The name Save proposes for a configuration that no file holds yet: the Primary profile's
// callsign with the file extension ("KD2ABC-7.wl3"), less whatever Windows or Linux would not
// take in a file name. Empty when no usable name is left, or the callsign is the NOCALL
// placeholder, for the usual proposal to stand.
std::filesystem::path callsignFileName(const TrackerConfig& record);

} // namespace wl3::ui
