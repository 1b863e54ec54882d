#pragma once

#include "cli/fleet_run.h"
#include "cli/subcommands.h"

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// version, read, write, tone and diff for several trackers at once, each on its own port and
// thread; at the end a table on context.out, a row per tracker (fleet_report.h). Each
// returns kExitOk only when every tracker succeeded, the interrupted status after Ctrl-C,
// and kExitFailed when any failed or the run was refused; a refusal comes before any
// tracker is touched.
namespace wl3 {

struct FleetRequest {
    std::vector<std::string> ports;     // as --port gives them (fleet_ports.h)
    std::filesystem::path readFolder;   // read: where each tracker's file goes
    std::filesystem::path backupFolder; // write: where each tracker's backup goes, unless empty
    std::filesystem::path units;        // write: the units file, whose rows name the ports instead
    std::filesystem::path report;       // the table again as CSV, unless empty
    std::ostream& err;                  // the trackers' progress
    bool errIsTerminal = false;
    std::size_t trackersAtOnce = kTrackersAtOnce; // served at once; the others wait their turn
    bool allowCutText = false;                    // write: status texts may be stored cut
};

int runFleetVersion(const CommandContext& context, const FleetRequest& request);

// Each tracker's configuration into a .wl3 file of its own in request.readFolder, named
// after its port.
int runFleetRead(const CommandContext& context, const FleetRequest& request);

// The configuration in input written to each tracker; with a units file, each tracker's
// row on top of it. With request.backupFolder, each tracker's configuration is first read
// and saved there under its port's name (and its row's).
int runFleetWrite(const CommandContext& context, const FleetRequest& request,
                  const std::filesystem::path& input);

int runFleetTone(const CommandContext& context, const FleetRequest& request, ToneCode code);

// wl3 diff for several trackers: each compared with what the write of input would send it,
// with a units file each its own row. The table shows the trackers that differ or could
// not be read, the report every tracker. Exits as wl3 diff does: kExitOk when every
// tracker holds what its write would send, kExitDiffer when one differs, kExitTrouble when
// one could not be read or the run was refused.
int runFleetDiff(const CommandContext& context, const FleetRequest& request,
                 const std::filesystem::path& input);

} // namespace wl3
