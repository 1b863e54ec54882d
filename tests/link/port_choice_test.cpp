#include "link/port_choice.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

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

// A device path is opened as given, whatever the COM ports map to; a COM port opens its own
// number's device, and nothing where that number has none.
TEST(PortChoice, OpensThePathGivenOrTheDeviceOfItsComNumber) {
    const PortResolver comPorts = [](int portNumber) {
        return portNumber == 2 ? std::string("/dev/ttyUSB0") : std::string();
    };
    struct Row {
        PortChoice choice;
        std::string device;
    };
    const std::vector<Row> rows{
        {{2, {}}, "/dev/ttyUSB0"},
        {{1, {}}, ""},
        {{3, {}}, ""},
        {{1, "/dev/serial0"}, "/dev/serial0"},
        {{2, "/dev/ttyS4"}, "/dev/ttyS4"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(deviceFor(row.choice, comPorts), row.device)
            << row.choice.portNumber << " " << row.choice.devicePath;
    }
}

} // namespace
} // namespace wl3
