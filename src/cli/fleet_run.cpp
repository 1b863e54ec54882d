#include "cli/fleet_run.h"

#include "cli/fleet_board.h"
#include "cli/interrupts.h"
#include "link/port_choice.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <sstream>
#include <thread>

namespace wl3 {

namespace {

// Everything one tracker's thread uses, its own: nothing but the board is shared.
struct UnitRun {
    UnitRun(FleetBoard& board, std::size_t unit, const std::string& port)
        : reporter(board, unit), observer(board, unit), exchanges(observer, reporter),
          link(makeLink(*parsePortChoice(port), reporter, exchanges)) {}

    UnitReporter reporter;
    UnitObserver observer;
    InterruptibleExchanges exchanges;
    SerialLink link;
    std::ostringstream out; // no work of a fleet writes to standard output
    CommandContext context{out, reporter, observer};
};

void runUnit(UnitRun& run, const UnitWork& work, std::size_t unit, FleetBoard& board,
             UnitOutcome& outcome) {
    const auto start = std::chrono::steady_clock::now();
    switch (work(run.context, run.link, unit, outcome.callsign)) {
    case Status::Ok:
        outcome.exitStatus = kExitOk;
        break;
    case Status::Failed:
        outcome.exitStatus = kExitFailed;
        break;
    case Status::Stopped:
        run.reporter.errorBox(run.exchanges.stopOutcome());
        outcome.exitStatus = run.exchanges.stoppedExitStatus();
        break;
    }
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    outcome.result = run.reporter.messages();
    board.finished(unit, outcome.result);
}

} // namespace

std::vector<UnitOutcome> runFleet(const std::vector<std::string>& ports, const UnitWork& work,
                                  std::ostream& err, bool errIsTerminal) {
    FleetBoard board(err, errIsTerminal, ports);
    // All made before any starts: each forgets the interrupts caught before it.
    std::vector<std::unique_ptr<UnitRun>> runs;
    for (std::size_t unit = 0; unit < ports.size(); ++unit) {
        runs.push_back(std::make_unique<UnitRun>(board, unit, ports[unit]));
    }
    std::vector<UnitOutcome> outcomes(ports.size());
    {
        std::vector<std::jthread> threads;
        for (std::size_t unit = 0; unit < ports.size(); ++unit) {
            threads.emplace_back(runUnit, std::ref(*runs[unit]), std::cref(work), unit,
                                 std::ref(board), std::ref(outcomes[unit]));
        }
    }
    return outcomes;
}

int fleetExitStatus(const std::vector<UnitOutcome>& outcomes) {
    int status = kExitOk;
    for (const UnitOutcome& outcome : outcomes) {
        if (outcome.exitStatus == kExitInterrupted || outcome.exitStatus == kExitHungUp) {
            return outcome.exitStatus;
        }
        status = std::max(status, outcome.exitStatus);
    }
    return status;
}

} // namespace wl3
