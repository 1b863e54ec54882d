#pragma once

#include "cli/subcommands.h"
#include "config/status.h"
#include "link/serial_link.h"

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace wl3 {

// How one tracker of a command for several went.
struct UnitOutcome {
    int exitStatus = kExitFailed; // as the command for this tracker alone would have ended
    std::string callsign;         // the tracker's, where the command learnt it
    std::string result;           // its messages, as wl3 writes them on stderr, one after another
    double seconds = 0.0;
};

// One tracker's share of a command, on a thread of its own: context holds the tracker's own
// reporter and observer, link is its own. callsign receives the tracker's callsign where
// the work learns it. Returns as the commands' steps do.
using UnitWork = std::function<Status(const CommandContext& context, SerialLink& link,
                                      std::size_t unit, std::string& callsign)>;

// Runs work for every port at once, one thread each, and waits for them all, showing their
// progress on err; a failure on one stops no other. Ctrl-C stops each as it stops a
// command for one tracker: an image on its way is sent whole first.
std::vector<UnitOutcome> runFleet(const std::vector<std::string>& ports, const UnitWork& work,
                                  std::ostream& err, bool errIsTerminal);

// kExitOk when every tracker succeeded; the interrupted status when one was stopped; else
// kExitFailed.
int fleetExitStatus(const std::vector<UnitOutcome>& outcomes);

} // namespace wl3
