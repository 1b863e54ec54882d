#include "cli/config_show.h"
#include "command_run.h"
#include "formats/config_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::size_t columnsOf(const std::string& utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(ConfigShow, ShowsTheDefaultFileUnderTheWindowsLabels) {
    test::TempDir dir;
    TrackerConfig defaults;
    test::RecordingReporter reporter;
    ASSERT_EQ(saveConfigFile(dir / "default.wl3", defaults, reporter), Status::Ok);
    test::CommandRun run;
    ASSERT_EQ(runShow(run.context, dir / "default.wl3"), kExitOk);

    const std::vector<std::string> expected{
        "                         Primary                     Seconday",
        "Callsign:                NOCALL                      NOCALL",
        "Digi Path:               WIDE2-2                     WIDE2-2",
        "Symbol:                  > Car                       > Car",
        "Table / Overlay:         /                           /",
        "Send Altitude            [x]                         [x]",
        "Alternate Digi Paths     [ ]                         [ ]",
        "Only Send Valid          [ ]                         [ ]",
        "Allow TTL Serial         [ ]                         [ ]",
        "Invert CD IN             [ ]                         [ ]",
        "Timestamp DHM            [ ]                         [ ]",
        "No PTT Out while PTT In  [ ]                         [ ]",
        "Timestamp HMS            [ ]                         [ ]",
        "Timing",
        "  Auto TX Delay:         300 milliseconds            300 milliseconds",
        "  Auto Transmit Rate:    120 seconds                 120 seconds",
        "  Manual TX Delay:       127 milliseconds            127 milliseconds",
        "  Manual Transmit Rate:  30 seconds                  30 seconds",
        "  Quiet Time:            526 milliseconds            526 milliseconds",
        "Status Beacon",
        "  Text:                  Wrenlink3                   Wrenlink3",
        "  Send every:            3 transmissions             3 transmissions",
        "MIC-E Settings",
        "  Enable                 [x]                         [x]",
        "  Message:               Off Duty                    Off Duty",
        "  Force Printable        [ ]                         [ ]",
        "  Path:                  Conventional                Conventional",
        "Time Slotting",
        "  Enable                 [ ]                         [ ]",
        "  Transmit offset:       15 seconds                  15 seconds",
        "SmartBeaconing",
        "  Enable                 [ ]                         [ ]",
        "  Min Turn Angle:        27 degrees                  27 degrees",
        "  Turn Slope:            255                         255",
        "  Min Turn Time:         5 seconds                   5 seconds",
        "  Slow Speed:            5 MPH                       5 MPH",
        "  Slow Rate:             1800 seconds                1800 seconds",
        "  Fast Speed:            65 MPH                      65 MPH",
        "  Fast Rate:             90 seconds                  90 seconds",
        "Power Switch",
        "  Enable                 [ ]                         [ ]",
        "  Power Switch Time:     3 seconds                   3 seconds",
        "",
        "Calibration:             128 (both profiles)",
    };
    EXPECT_EQ(linesOf(run.out.str()), expected);
}

TEST(ConfigShow, WrapsLongTextsWithinTheirColumnAndKeepsEveryCharacter) {
    TrackerConfig config;
    std::string status;
    for (int i = 0; i < 199; ++i) {
        status += static_cast<char>(i % 2 == 0 ? 'a' + i % 26 : '\xE9');
    }
    setText(config.statusText[kPrimary], status);
    setText(config.digiPath[kSecondary], std::string(99, 'W'));
    config.micEMessage[kSecondary] = 8;
    config.micEPath[kPrimary] = 15;
    config.timestamp[kSecondary] = true;
    config.timestampHms[kSecondary] = true;
    config.symbol[kPrimary] = '\0';
    config.symbolTable[kPrimary] = '\x1B';

    const auto lines = linesOf(formatConfig(config));
    for (const auto& line : lines) {
        EXPECT_LE(columnsOf(line), 79u) << line;
    }
    // The Primary column is characters 26 to 51 of the Text row and the lines that carry on
    // from it, up to the next label.
    const auto textRow = std::find_if(lines.begin(), lines.end(),
                                      [](const auto& line) { return line.starts_with("  Text:"); });
    const auto nextRow = std::find_if(lines.begin(), lines.end(), [](const auto& line) {
        return line.starts_with("  Send every:");
    });
    ASSERT_LT(textRow, nextRow);
    EXPECT_EQ(nextRow - textRow, 8); // 199 characters in columns of 26
    std::string primaryText;
    for (auto line = textRow; line != nextRow; ++line) {
        std::size_t index = 0;
        for (char c : *line) {
            index += (c & 0xC0) != 0x80 ? 1 : 0;
            if (index > 25 && index <= 51) {
                primaryText += c;
            }
        }
    }
    std::string statusUtf8;
    for (char c : status) {
        statusUtf8 += c == '\xE9' ? "\u00E9" : std::string(1, c);
    }
    EXPECT_EQ(primaryText, statusUtf8);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const auto& line) { return line.find("WWWW") != line.npos; }),
              4);

    const auto has = [&](const std::string& wanted) {
        return std::find(lines.begin(), lines.end(), wanted) != lines.end();
    };
    EXPECT_TRUE(has("  Message:               Off Duty                    (none: index 8)"));
    EXPECT_TRUE(has("  Path:                  West + WIDE                 Conventional"));
    EXPECT_TRUE(has("Timestamp DHM            [ ]                         [ ]"));
    EXPECT_TRUE(has("Timestamp HMS            [ ]                         [x]"));
    EXPECT_TRUE(has("Symbol:                  unassigned                  > Car"));
    EXPECT_TRUE(has("Table / Overlay:         \\x1B                        /"));
}

} // namespace
} // namespace wl3
