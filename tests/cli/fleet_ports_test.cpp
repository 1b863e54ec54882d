#include "cli/fleet_ports.h"
#include "link/port_mapping.h"
#include "support/recording_reporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace wl3 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A file name must stay inside the folder and be one a file system takes.
TEST(PortFileName, KeepsTheNameOfTheDeviceAndNothingAFileNameCannotHold) {
    struct Row {
        std::string_view port;
        std::string_view name;
    };
    const std::vector<Row> rows{
        {"COM3", "COM3.wl3"},
        {"\\\\.\\COM3", "COM3.wl3"},
        {"/dev/ttyUSB0", "ttyUSB0.wl3"},
        {"/dev/pts/4", "pts_4.wl3"},
        {"..", "port...wl3"},
        {"/dev/..", "port...wl3"},
        {"my port:1*?<>|\"", "my_port_1______.wl3"},
        {"/dev/serial/by-id/usb-0403", "serial_by-id_usb-0403.wl3"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(portFileName(row.port, ".wl3"), row.name) << row.port;
    }
}

TEST(ExpandPorts, PassesPortsOtherThanUsbThroughInTheirOrder) {
    const std::vector<std::vector<std::string>> rows{
        {"COM1"},
        {"COM2", "/dev/ttyS0", "COM1"},
        {"/dev/usb", "com3"},
    };
    for (const auto& given : rows) {
        test::RecordingReporter reporter;
        EXPECT_EQ(expandPorts(given, reporter), given) << given.front();
        EXPECT_THAT(reporter.entries, IsEmpty());
    }
}

// The adapters are this machine's: none gives the message, else they stand where "usb" did.
TEST(ExpandPorts, PutsTheAdaptersFoundWhereUsbStandsOrSaysThereAreNone) {
    const std::vector<std::string> found = usbSerialDevices();
    test::RecordingReporter reporter;
    const auto ports = expandPorts({"COM4", "usb", "/dev/ttyS1"}, reporter);
    if (found.empty()) {
        EXPECT_EQ(ports, std::nullopt);
        EXPECT_THAT(reporter.texts(),
                    ElementsAre("--port usb: no USB serial adapter is plugged in"));
        return;
    }
    std::vector<std::string> expected{"COM4"};
    expected.insert(expected.end(), found.begin(), found.end());
    expected.push_back("/dev/ttyS1");
    EXPECT_EQ(ports, expected);
    EXPECT_THAT(reporter.entries, IsEmpty());
}

} // namespace
} // namespace wl3
