#pragma once

#include "cli/fleet_run.h"
#include "config/status.h"
#include "outcomes/reporter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace wl3 {

// The report of a command for several trackers: a row for each, its port, its callsign,
// its result and its seconds. As a table for people, aligned in columns.
std::string fleetTable(const std::vector<std::string>& ports,
                       const std::vector<UnitOutcome>& outcomes);

// The same rows, under a header, as a CSV file at path for a spreadsheet, saved whole or
// not at all.
Status saveFleetReport(const std::filesystem::path& path, const std::vector<std::string>& ports,
                       const std::vector<UnitOutcome>& outcomes, Reporter& reporter);

} // namespace wl3
