#include "cli/fleet_run.h"

#include "cli/fleet_board.h"
#include "cli/interrupts.h"
#include "cli/platform.h"
#include "link/make_link.h"
#include "wording/wording.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <new>
#include <sstream>
#include <system_error>
#include <thread>

namespace wl3 {

namespace {

// Everything one tracker's thread uses, its own: nothing but the board is shared. Made when
// the tracker's turn comes, counting the interrupts caught since the run began.
struct UnitRun {
    UnitRun(FleetBoard& board, std::size_t unit, const std::string& port)
        : reporter(board, unit), observer(board, unit),
          exchanges(observer, reporter, EarlierInterrupts::Kept),
          link(makeLink(checkedPortChoice(port), reporter, exchanges)) {}

    UnitReporter reporter;
    UnitObserver observer;
    InterruptibleExchanges exchanges;
    SerialLink link;
    std::ostringstream out; // no work of a fleet writes to standard output
    CommandContext context{out, reporter, observer};
};

int exitStatusOf(Status status, const UnitRun& run) {
    switch (status) {
    case Status::Ok:
        return kExitOk;
    case Status::Failed:
        return kExitFailed;
    case Status::Stopped:
        break;
    }
    return run.exchanges.stoppedExitStatus();
}

void runUnit(const std::string& port, const UnitWork& work, std::size_t unit, FleetBoard& board,
             UnitOutcome& outcome) {
    const auto start = std::chrono::steady_clock::now();
    UnitRun run(board, unit, port);
    // Interrupted before its turn came: not begun.
    Status status = Status::Stopped;
    if (!run.exchanges.stopRequested()) {
        try {
            status = work(run.context, run.link, unit, outcome.callsign);
        } catch (const std::bad_alloc&) {
            run.reporter.report(OutOfMemory{});
            status = Status::Failed;
        }
    }
    if (status == Status::Stopped) {
        run.reporter.report(run.exchanges.stopOutcome());
    }
    outcome.exitStatus = exitStatusOf(status, run);
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    outcome.result = run.reporter.messages();
    board.finished(unit, outcome.result);
}

} // namespace

std::size_t trackersAtOnce(std::size_t asked, std::size_t trackers, Reporter& reporter) {
    // Each holds its port and, while it saves, a file and a folder or two on the way to it.
    constexpr std::size_t kDescriptorsPerTracker = 4;
    std::size_t atOnce = std::min(asked, trackers);
    if (const auto left = descriptorsLeft()) {
        const std::size_t allowed = std::max<std::size_t>(*left / kDescriptorsPerTracker, 1);
        if (allowed < atOnce) {
            atOnce = allowed;
            reporter.report(FewerAtOnce{atOnce});
        }
    }
    return atOnce;
}

std::vector<UnitOutcome> runFleet(const std::vector<std::string>& ports, const UnitWork& work,
                                  std::ostream& err, bool errIsTerminal, std::size_t atOnce,
                                  const std::vector<std::string>& callsigns) {
    FleetBoard board(err, errIsTerminal ? std::optional(standardErrorSize()) : std::nullopt, ports);
    std::vector<UnitOutcome> outcomes(ports.size());
    for (std::size_t unit = 0; unit < callsigns.size() && unit < outcomes.size(); ++unit) {
        outcomes[unit].callsign = callsigns[unit];
    }
    // Each tracker counts the interrupts from here on, however late its turn comes.
    forgetInterrupts();
    std::atomic<std::size_t> next{0};
    const auto serveTurns = [&] {
        for (std::size_t unit = next++; unit < ports.size(); unit = next++) {
            runUnit(ports[unit], work, unit, board, outcomes[unit]);
        }
    };
    std::vector<std::jthread> servers;
    const std::size_t serverCount = std::min(std::max<std::size_t>(atOnce, 1), ports.size());
    servers.reserve(serverCount);
    std::string notStarted;
    for (std::size_t i = 0; i < serverCount; ++i) {
        try {
            servers.emplace_back(serveTurns);
        } catch (const std::system_error& error) {
            notStarted = error.code().message();
            break;
        }
    }
    if (servers.empty()) {
        for (std::size_t unit = 0; unit < ports.size(); ++unit) {
            outcomes[unit].result = englishText(wordingOf(NoThread{notStarted}));
            board.finished(unit, outcomes[unit].result);
        }
    }
    servers.clear(); // each waited for
    return outcomes;
}

int fleetExitStatus(const std::vector<UnitOutcome>& outcomes) {
    int status = kExitOk;
    for (const UnitOutcome& outcome : outcomes) {
        if (outcome.exitStatus == kExitInterrupted || outcome.exitStatus == kExitHungUp ||
            outcome.exitStatus == kExitTerminated) {
            return outcome.exitStatus;
        }
        status = std::max(status, outcome.exitStatus);
    }
    return status;
}

} // namespace wl3
