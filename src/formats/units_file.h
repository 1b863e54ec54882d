#pragma once

#include "config/status.h"
#include "config/tracker_config.h"
#include "outcomes/reporter.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wl3 {

// The column of a units file that names each tracker's port.
inline constexpr std::string_view kPortColumn = "port";

// One tracker of a units file: a row of a table whose header names the port column and keys
// of the JSON form in dotted form (primary.callsign, calibration).
struct Unit {
    int row = 0; // as a spreadsheet numbers it, blank lines counted
    std::string port;
    TrackerConfig config; // the base, with the row's values on top
};

// The trackers that the units file at path lists, each with base under its row's values;
// an empty cell keeps the base's value. Every row is read and every fault reported (an
// unknown or repeated key, a value the key cannot take, a row without a port or with more
// or fewer cells than the header), each naming its row and key; then the result is Failed,
// and units still holds every row whose cells match the header, for the checks that follow to
// report theirs too.
Status loadUnits(const std::filesystem::path& path, const TrackerConfig& base, Reporter& reporter,
                 std::vector<Unit>& units);

// The same for a units file's bytes already read; path names them in messages.
Status readUnits(std::string_view bytes, const std::filesystem::path& path,
                 const TrackerConfig& base, Reporter& reporter, std::vector<Unit>& units);

} // namespace wl3
