#include "cli/stderr_reporter.h"
#include "commands/port_choice.h"
#include "formats/text_encoding.h"

#include <gtest/gtest.h>
#include <sstream>

namespace wl3 {
namespace {

TEST(StderrReporter, WritesOneLinePerMessage) {
    std::ostringstream err;
    StderrReporter reporter(err);
    reporter.message("Wrenlink3 Read", "Read Successful");
    reporter.errorBox("Bad EE Size 127\n");
    reporter.errorBox("Count not aquire Com Port\n/dev/ttyUSB0: busy");
    reporter.errorBox("Wrenlink3 v1 \xB5\x1B[2J\r\n");
    EXPECT_EQ(err.str(), "Wrenlink3 Read: Read Successful\n"
                         "Bad EE Size 127\n"
                         "Count not aquire Com Port: /dev/ttyUSB0: busy\n"
                         "Wrenlink3 v1 \u00B5\\x1B[2J\n");
}

TEST(PortChoice, TakesTheWindowsPortNamesOrADevicePath) {
    struct Row {
        std::string text;
        std::optional<int> portNumber;
        std::string devicePath;
    };
    const std::vector<Row> rows{
        {"COM1", 1, ""},       {"com4", 4, ""},
        {"CoM2", 2, ""},       {"/dev/ttyUSB0", 1, "/dev/ttyUSB0"},
        {"ttyS1", 1, "ttyS1"}, {"COM", 1, "COM"},
        {"COMX", 1, "COMX"},   {"COM0", {}, ""},
        {"COM5", {}, ""},      {"COM12", {}, ""},
        {"", {}, ""},
    };
    for (const auto& row : rows) {
        const auto choice = parsePortChoice(row.text);
        ASSERT_EQ(choice.has_value(), row.portNumber.has_value()) << row.text;
        if (choice) {
            EXPECT_EQ(choice->portNumber, *row.portNumber) << row.text;
            EXPECT_EQ(choice->devicePath, row.devicePath) << row.text;
        }
    }
}

} // namespace
} // namespace wl3
