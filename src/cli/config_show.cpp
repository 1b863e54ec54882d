#include "cli/config_show.h"

#include "cli/text_encoding.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace wl3 {

namespace {

constexpr std::size_t kLabelWidth = 25;
constexpr std::size_t kValueWidth = 26;
constexpr std::string_view kGap = "  ";

constexpr std::array<std::string_view, 8> kMicEMessages{"Off Duty",  "En Route",  "In Service",
                                                        "Returning", "Committed", "Special",
                                                        "Priority",  "Emergency!"};

constexpr std::array<std::string_view, 16> kMicEPaths{
    "Conventional", "WIDE-1",       "WIDE-2",      "WIDE-3",     "WIDE-4", "WIDE-5",
    "WIDE-6",       "WIDE-7",       "North",       "South",      "East",   "West",
    "North + WIDE", "South + WIDE", "East + WIDE", "West + WIDE"};

using ValueOf = std::string (*)(const TrackerConfig&, int p);

// A heading when value is null; labels inside a group are indented like the form's boxes.
struct Row {
    std::string_view label;
    ValueOf value;
};

std::string checkBox(bool checked) {
    return checked ? "[x]" : "[ ]";
}

std::string number(int value, std::string_view unit = {}) {
    std::string text = std::to_string(value);
    if (!unit.empty()) {
        text += ' ';
        text += unit;
    }
    return text;
}

std::string character(char c) {
    return c == '\0' ? std::string() : printableText(std::string_view(&c, 1));
}

template <std::size_t N>
std::string listItem(const std::array<std::string_view, N>& items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return "(none: index " + std::to_string(index) + ")";
    }
    return std::string(items[static_cast<std::size_t>(index)]);
}

// The window shows the two timestamp flags as two check boxes of which at most one is on.
bool timestampDhm(const TrackerConfig& c, int p) {
    return c.timestamp[p] && !c.timestampHms[p];
}
bool timestampHms(const TrackerConfig& c, int p) {
    return c.timestamp[p] && c.timestampHms[p];
}

// clang-format off
const std::array kRows{
    Row{"Callsign:", [](const TrackerConfig& c, int p) { return printableText(textOf(c.callsign[p])); }},
    Row{"Digi Path:", [](const TrackerConfig& c, int p) { return printableText(textOf(c.digiPath[p])); }},
    Row{"Symbol:", [](const TrackerConfig& c, int p) { return character(c.symbol[p]); }},
    Row{"Table / Overlay:", [](const TrackerConfig& c, int p) { return character(c.symbolTable[p]); }},
    Row{"Send Altitude", [](const TrackerConfig& c, int p) { return checkBox(c.sendAltitude[p]); }},
    Row{"Alternate Digi Paths", [](const TrackerConfig& c, int p) { return checkBox(c.altDigiPaths[p]); }},
    Row{"Only Send Valid", [](const TrackerConfig& c, int p) { return checkBox(c.onlySendValid[p]); }},
    Row{"Allow TTL Serial", [](const TrackerConfig& c, int p) { return checkBox(c.allowTtlSerial[p]); }},
    Row{"Invert CD IN", [](const TrackerConfig& c, int p) { return checkBox(c.invertCdIn[p]); }},
    Row{"Timestamp DHM", [](const TrackerConfig& c, int p) { return checkBox(timestampDhm(c, p)); }},
    Row{"No PTT Out while PTT In", [](const TrackerConfig& c, int p) { return checkBox(c.noPttOutWhilePttIn[p]); }},
    Row{"Timestamp HMS", [](const TrackerConfig& c, int p) { return checkBox(timestampHms(c, p)); }},
    Row{"Timing", nullptr},
    Row{"Auto TX Delay:", [](const TrackerConfig& c, int p) { return number(c.autoTxDelayMs[p], "milliseconds"); }},
    Row{"Auto Transmit Rate:", [](const TrackerConfig& c, int p) { return number(c.autoRateSec[p], "seconds"); }},
    Row{"Manual TX Delay:", [](const TrackerConfig& c, int p) { return number(c.manualTxDelayMs[p], "milliseconds"); }},
    Row{"Manual Transmit Rate:", [](const TrackerConfig& c, int p) { return number(c.manualRateSec[p], "seconds"); }},
    Row{"Quiet Time:", [](const TrackerConfig& c, int p) { return number(c.quietTimeMs[p], "milliseconds"); }},
    Row{"Status Beacon", nullptr},
    Row{"Text:", [](const TrackerConfig& c, int p) { return printableText(textOf(c.statusText[p])); }},
    Row{"Send every:", [](const TrackerConfig& c, int p) { return number(c.statusEvery[p], "transmissions"); }},
    Row{"MIC-E Settings", nullptr},
    Row{"Enable", [](const TrackerConfig& c, int p) { return checkBox(c.micEEnabled[p]); }},
    Row{"Message:", [](const TrackerConfig& c, int p) { return listItem(kMicEMessages, c.micEMessage[p]); }},
    Row{"Force Printable", [](const TrackerConfig& c, int p) { return checkBox(c.forcePrintable[p]); }},
    Row{"Path:", [](const TrackerConfig& c, int p) { return listItem(kMicEPaths, c.micEPath[p]); }},
    Row{"Time Slotting", nullptr},
    Row{"Enable", [](const TrackerConfig& c, int p) { return checkBox(c.timeSlotting[p]); }},
    Row{"Transmit offset:", [](const TrackerConfig& c, int p) { return number(c.slotOffsetSec[p], "seconds"); }},
    Row{"SmartBeaconing", nullptr},
    Row{"Enable", [](const TrackerConfig& c, int p) { return checkBox(c.smartBeaconing[p]); }},
    Row{"Min Turn Angle:", [](const TrackerConfig& c, int p) { return number(c.minTurnAngleDeg[p], "degrees"); }},
    Row{"Turn Slope:", [](const TrackerConfig& c, int p) { return number(c.turnSlope[p]); }},
    Row{"Min Turn Time:", [](const TrackerConfig& c, int p) { return number(c.minTurnTimeSec[p], "seconds"); }},
    Row{"Slow Speed:", [](const TrackerConfig& c, int p) { return number(c.slowSpeedMph[p], "MPH"); }},
    Row{"Slow Rate:", [](const TrackerConfig& c, int p) { return number(c.slowRateSec[p], "seconds"); }},
    Row{"Fast Speed:", [](const TrackerConfig& c, int p) { return number(c.fastSpeedMph[p], "MPH"); }},
    Row{"Fast Rate:", [](const TrackerConfig& c, int p) { return number(c.fastRateSec[p], "seconds"); }},
    Row{"Power Switch", nullptr},
    Row{"Enable", [](const TrackerConfig& c, int p) { return checkBox(c.powerSwitch[p]); }},
    Row{"Power Switch Time:", [](const TrackerConfig& c, int p) { return number(c.powerSwitchTimeSec[p], "seconds"); }},
};
// clang-format on

std::size_t columnsOf(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// utf8 cut into pieces of at most width characters; one empty piece for an empty text.
std::vector<std::string> wrap(std::string_view utf8, std::size_t width) {
    std::vector<std::string> pieces{std::string()};
    std::size_t columns = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (utf8[i] & 0xC0) != 0x80;
        if (startsCharacter && columns == width) {
            pieces.emplace_back();
            columns = 0;
        }
        pieces.back() += utf8[i];
        columns += startsCharacter ? 1 : 0;
    }
    return pieces;
}

void padTo(std::string& line, std::size_t columns) {
    line.append(columns - std::min(columns, columnsOf(line)), ' ');
}

void appendLine(std::string& out, std::string_view label, std::string_view primary,
                std::string_view secondary) {
    std::string line(label);
    padTo(line, kLabelWidth);
    line += primary;
    if (!secondary.empty()) {
        padTo(line, kLabelWidth + kValueWidth);
        line += kGap;
        line += secondary;
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    out += line;
    out += '\n';
}

} // namespace

std::string formatConfig(const TrackerConfig& config) {
    std::string out;
    appendLine(out, "", "Primary", "Seconday");
    bool inGroup = false;
    for (const Row& row : kRows) {
        if (row.value == nullptr) {
            appendLine(out, row.label, "", "");
            inGroup = true;
            continue;
        }
        const std::string label = (inGroup ? "  " : "") + std::string(row.label);
        const auto primary = wrap(row.value(config, kPrimary), kValueWidth);
        const auto secondary = wrap(row.value(config, kSecondary), kValueWidth);
        for (std::size_t i = 0; i < std::max(primary.size(), secondary.size()); ++i) {
            appendLine(out, i == 0 ? std::string_view(label) : std::string_view(),
                       i < primary.size() ? primary[i] : "",
                       i < secondary.size() ? secondary[i] : "");
        }
    }
    out += '\n';
    appendLine(out, "Calibration:", std::to_string(config.calibration) + " (both profiles)", "");
    return out;
}

} // namespace wl3
