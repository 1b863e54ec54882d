#include "cli/fleet_ports.h"
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
        {"./dev_pts_0", "port._dev_pts_0.wl3"},
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

// The adapters found stand where "usb" did, in their order; none gives the message.
TEST(ExpandPorts, PutsTheAdaptersFoundWhereUsbStandsOrSaysThereAreNone) {
    const std::vector<std::string> given{"COM4", "usb", "/dev/ttyS1"};
    test::RecordingReporter reporter;
    const auto ports = expandPorts(given, reporter, [] {
        return std::vector<std::string>{"/dev/ttyUSB1", "/dev/ttyACM0"};
    });
    EXPECT_EQ(ports,
              (std::vector<std::string>{"COM4", "/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS1"}));
    EXPECT_THAT(reporter.entries, IsEmpty());

    EXPECT_EQ(expandPorts(given, reporter, [] { return std::vector<std::string>{}; }),
              std::nullopt);
    EXPECT_THAT(reporter.texts(), ElementsAre("--port usb: no USB serial adapter is plugged in"));
}

} // namespace
} // namespace wl3
