#pragma once

#include "config/tracker_config.h"
#include "require.h"

#include <algorithm>

namespace wl3::fuzz {

// Every text must end with a NUL inside its field, at or before its limit.
inline void requireTerminatedTexts(const TrackerConfig& config) {
    const auto terminated = [](const auto& field) {
        return std::find(field.begin(), field.end(), '\0') != field.end();
    };
    for (int p = 0; p < kProfileCount; ++p) {
        require(terminated(config.callsign[p]) && terminated(config.digiPath[p]) &&
                terminated(config.statusText[p]));
    }
}

} // namespace wl3::fuzz
