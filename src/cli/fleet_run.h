#pragma once

#include "cli/subcommands.h"
#include "config/status.h"
#include "link/serial_link.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace wl3 {

// How many trackers a command for several serves at once: more than a hub of USB serial
// adapters holds, few enough that threads never run short. The others wait their turn.
inline constexpr std::size_t kTrackersAtOnce = 64;

// How one tracker of a command for several went.
struct UnitOutcome {
    int exitStatus = kExitFailed; // as the command for this tracker alone would have ended
    std::string callsign;         // the tracker's, where the command learnt it
    std::string result;           // its messages, as wl3 writes them on stderr, one after another
    double seconds = 0.0;
    // How much advice its record draws (see wl3 check), where the command has a record.
    std::optional<std::size_t> advice{};
};

// One tracker's share of a command, on a thread of its own: context holds the tracker's own
// reporter and observer, link is its own. callsign receives the tracker's callsign where
// the work learns it. Returns as the commands' steps do.
using UnitWork = std::function<Status(const CommandContext& context, SerialLink& link,
                                      std::size_t unit, std::string& callsign)>;

// How many of trackers to serve at once when asked for at most asked: fewer, said once
// through reporter, where the limit on open files would leave some without a port.
std::size_t trackersAtOnce(std::size_t asked, std::size_t trackers, Reporter& reporter);

// Runs work for every port, at most atOnce trackers at a time, each on a thread while it is
// served, and waits for them all, showing their progress on err; a failure on one stops no
// other. A thread that cannot be started leaves its share to those that could; when none
// could, every tracker fails untouched. Ctrl-C stops each as it stops a command for one
// tracker (an image on its way is sent whole first), and trackers still waiting are not
// begun. callsigns, when given, are the trackers' before any work learns them (what a write
// gives each), so that a tracker not begun keeps its row's.
std::vector<UnitOutcome> runFleet(const std::vector<std::string>& ports, const UnitWork& work,
                                  std::ostream& err, bool errIsTerminal,
                                  std::size_t atOnce = kTrackersAtOnce,
                                  const std::vector<std::string>& callsigns = {});

// kExitOk when every tracker succeeded; the interrupted status when one was stopped; else
// kExitFailed.
int fleetExitStatus(const std::vector<UnitOutcome>& outcomes);

} // namespace wl3
