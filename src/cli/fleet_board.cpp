#include "cli/fleet_board.h"

#include "cli/platform.h"
#include "cli/progress.h"
#include "formats/text_encoding.h"

#include <algorithm>

namespace wl3 {

namespace {

// Where a terminal does not tell its width.
constexpr std::size_t kUsualLineWidth = 79;

// A line as wide as the terminal would wrap on some, and the redraw would land on the wrong
// line: one column stays free.
std::size_t lineWidthOf(const std::optional<TerminalSize>& terminal) {
    if (!terminal || terminal->columns == 0) {
        return kUsualLineWidth;
    }
    return std::max<std::size_t>(terminal->columns - 1, 1);
}

// Whether a line per tracker, and the cursor's below them, fit on the screen: a redraw
// moves up no further than its top.
bool boardFits(const std::optional<TerminalSize>& terminal, std::size_t trackers) {
    return terminal && (terminal->rows == 0 || trackers < terminal->rows);
}

// At most width bytes, never cutting a UTF-8 character; a character takes a column at
// most per byte, so the line never wraps.
std::string_view fitted(std::string_view line, std::size_t width) {
    if (line.size() <= width) {
        return line;
    }
    std::size_t end = width;
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) {
        --end;
    }
    return line.substr(0, end);
}

// A port's name is the user's, or a device's: it neither drives the terminal nor breaks
// the line.
std::vector<std::string> shownNames(std::vector<std::string> ports) {
    for (std::string& port : ports) {
        port = withoutControls(port);
    }
    return ports;
}

} // namespace

FleetBoard::FleetBoard(std::ostream& err, std::optional<TerminalSize> terminal,
                       std::vector<std::string> ports)
    : err_(err), terminal_(boardFits(terminal, ports.size()) && terminalEscapesWork()),
      ports_(shownNames(std::move(ports))), lines_(ports_.size()),
      lineWidth_(lineWidthOf(terminal)) {
    for (const std::string& port : ports_) {
        portWidth_ = std::max(portWidth_, port.size());
    }
    if (terminal_) {
        for (std::size_t unit = 0; unit < ports_.size(); ++unit) {
            err_ << fitted(ports_[unit], lineWidth_) << '\n';
        }
        err_.flush();
    }
}

FleetBoard::~FleetBoard() = default;

void FleetBoard::show(std::size_t unit, std::string_view text) {
    const std::scoped_lock lock(mutex_);
    lines_[unit] = text;
    if (terminal_) {
        draw(unit);
    }
}

void FleetBoard::finished(std::size_t unit, std::string_view result) {
    const std::scoped_lock lock(mutex_);
    lines_[unit] = result;
    if (terminal_) {
        draw(unit);
    } else {
        err_ << ports_[unit] << ": " << result << '\n' << std::flush;
    }
}

// Up to the unit's line, over it, and back below the board.
void FleetBoard::draw(std::size_t unit) {
    const std::size_t up = ports_.size() - unit;
    std::string line = ports_[unit];
    line.resize(std::max(line.size(), portWidth_), ' ');
    line += "  " + lines_[unit];
    err_ << "\x1b[" << up << "A\r\x1b[K" << fitted(line, lineWidth_) << "\x1b[" << up << "B\r"
         << std::flush;
}

void UnitObserver::progress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    board_.show(unit_, progressText(phase, bytesDone, bytesExpected));
}

void UnitReporter::show(std::string_view caption, std::string_view text) {
    stderrLines_.show(caption, text);
    keepLine();
}

std::string UnitReporter::messages() const {
    std::string joined;
    for (const std::string& line : lines_) {
        joined += (joined.empty() ? "" : "; ") + line;
    }
    return joined;
}

void UnitReporter::keepLine() {
    std::string line = written_.str();
    written_.str({});
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    board_.show(unit_, line);
    lines_.push_back(std::move(line));
}

} // namespace wl3
