#include "cli/fleet_report.h"
#include "cli/fleet_run.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wl3 {
namespace {

std::vector<UnitOutcome> outcomesEnding(const std::vector<int>& exitStatuses) {
    std::vector<UnitOutcome> outcomes;
    for (const int status : exitStatuses) {
        outcomes.push_back({status, {}, {}, 0.0});
    }
    return outcomes;
}

// An interrupt decides the status wherever its tracker stands, and is not mistaken for the
// worst of the numbers: a hang-up (129) beside a failure is still a hang-up.
TEST(FleetExitStatus, OkOnlyWhenEveryTrackerSucceededAndAnInterruptWins) {
    struct Case {
        const char* name;
        std::vector<int> statuses;
        int expected;
    };
    const std::vector<Case> cases{
        {"no tracker", {}, kExitOk},
        {"every tracker ok", {kExitOk, kExitOk, kExitOk}, kExitOk},
        {"one failed", {kExitOk, kExitFailed, kExitOk}, kExitFailed},
        {"one interrupted", {kExitOk, kExitInterrupted}, kExitInterrupted},
        {"failed, then interrupted", {kExitFailed, kExitOk, kExitInterrupted}, kExitInterrupted},
        {"interrupted, then failed", {kExitInterrupted, kExitFailed}, kExitInterrupted},
        {"failed and hung up", {kExitFailed, kExitHungUp, kExitOk}, kExitHungUp},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fleetExitStatus(outcomesEnding(c.statuses)), c.expected) << c.name;
    }
}

// Port, callsign, result, seconds, each column as wide as its widest cell, header included:
// a tracker whose callsign was never learnt keeps its empty cell, a result of several
// messages stays in its one cell, a port's control characters cannot move the cursor, and
// the seconds line up on their points.
TEST(FleetTable, ARowPerTrackerInAlignedColumns) {
    const std::vector<std::string> ports{"/dev/ttyUSB0", "COM2", "/dev/tty\x1b[2J"};
    const std::vector<UnitOutcome> outcomes{
        {kExitOk, "N0AAA-1", "Wrenlink3 Read: Read Successful; Wrenlink3 Write: Write Successful",
         3.31},
        {kExitFailed, "", "Wrenlink3 Not Found", 12.34},
        {kExitInterrupted, "N0CCC", "Stopped", 0.04},
    };
    EXPECT_EQ(fleetTable(ports, outcomes),
              "Port          Callsign  Result                                         "
              "                     Seconds\n"
              "/dev/ttyUSB0  N0AAA-1   Wrenlink3 Read: Read Successful; Wrenlink3 Write: "
              "Write Successful      3.3\n"
              "COM2                    Wrenlink3 Not Found                            "
              "                        12.3\n"
              "/dev/tty?[2J  N0CCC     Stopped                                        "
              "                         0.0\n");
}

} // namespace
} // namespace wl3
