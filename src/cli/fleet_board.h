#pragma once

#include "cli/platform.h"
#include "cli/stderr_reporter.h"
#include "link/exchange_observer.h"

#include <cstddef>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace wl3 {

// What a person sees on err of trackers at work at once. On a terminal of the size given,
// a line per tracker, redrawn in place as its exchanges go on and cut to the terminal's
// width; otherwise, and when the trackers' lines would not all fit on the screen, a line
// per tracker as it finishes, so that a log reads in the order things happened. The
// trackers' threads call it.
class FleetBoard {
public:
    // terminal: the size of the terminal that err shows on, or nothing when it is none.
    FleetBoard(std::ostream& err, std::optional<TerminalSize> terminal,
               std::vector<std::string> ports);
    ~FleetBoard();

    FleetBoard(const FleetBoard&) = delete;
    FleetBoard& operator=(const FleetBoard&) = delete;

    // How far tracker unit has got, in a few words.
    void show(std::size_t unit, std::string_view text);

    // Tracker unit is done; result says how it went.
    void finished(std::size_t unit, std::string_view result);

private:
    void draw(std::size_t unit);

    std::mutex mutex_;
    std::ostream& err_;
    bool terminal_;
    std::vector<std::string> ports_;
    std::vector<std::string> lines_;
    std::size_t portWidth_ = 0;
    std::size_t lineWidth_;
};

// A tracker's progress, for its line on the board.
class UnitObserver : public ExchangeObserver {
public:
    UnitObserver(FleetBoard& board, std::size_t unit) : board_(board), unit_(unit) {}

    void progress(ExchangePhase phase, int bytesDone, int bytesExpected) override;

private:
    FleetBoard& board_;
    std::size_t unit_;
};

// A tracker's messages, kept as wl3 writes them on stderr for the report and shown on its
// line as they come.
class UnitReporter : public LineReporter {
public:
    UnitReporter(FleetBoard& board, std::size_t unit) : board_(board), unit_(unit) {}

    void show(std::string_view caption, std::string_view text) override;

    // Every message so far, one after another.
    std::string messages() const;

private:
    void keepLine();

    FleetBoard& board_;
    std::size_t unit_;
    std::ostringstream written_;
    StderrReporter stderrLines_{written_};
    std::vector<std::string> lines_;
};

} // namespace wl3
