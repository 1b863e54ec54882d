#include "link/port_mapping.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

namespace wl3 {
namespace {

struct OrderCase {
    const char* name;
    friend void PrintTo(const OrderCase& row, std::ostream* out) { *out << row.name; }
    std::vector<std::string> found;
    std::vector<std::string> ordered;
};

class PortOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PortOrderTest, PutsAdaptersFirstThenBuiltInPortsEachByNumber) {
    EXPECT_EQ(orderSerialDevices(GetParam().found), GetParam().ordered);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, PortOrderTest,
    ::testing::Values(
        OrderCase{"BuiltInOnly",
                  {"/dev/ttyS1", "/dev/ttyS10", "/dev/ttyS0", "/dev/ttyS2"},
                  {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10"}},
        OrderCase{"OneAdapterBecomesCom1",
                  {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"},
                  {"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1"}},
        OrderCase{"UsbBeforeAcmNumericallyWithin",
                  {"/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyUSB2", "/dev/ttyACM1"},
                  {"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyACM1", "/dev/ttyS0"}},
        OrderCase{"OtherDevicesAreNoPorts",
                  {"/dev/tty", "/dev/tty0", "/dev/ttyS", "/dev/ttySx1", "/dev/ttyUSB", "/dev/null",
                   "/dev/pts/3", "/dev/ttyprintk", "/dev/tty.usbserial-1420", "ttyS0",
                   "/dev/cu.Bluetooth-Incoming-Port", "/dev/ttyS4"},
                  {"/dev/ttyS4"}},
        OrderCase{"MacAdapters",
                  {"/dev/cu.usbmodem14201", "/dev/cu.SLAB_USBtoUART", "/dev/cu.usbserial-A9",
                   "/dev/cu.usbserial-1420", "/dev/cu.usbmodem3", "/dev/cu.wchusbserial1410",
                   "/dev/cu.debug-console"},
                  {"/dev/cu.usbserial-1420", "/dev/cu.usbserial-A9", "/dev/cu.usbmodem3",
                   "/dev/cu.usbmodem14201", "/dev/cu.SLAB_USBtoUART", "/dev/cu.wchusbserial1410"}},
        OrderCase{"RaspberryPiUartsAfterTheOtherBuiltInPorts",
                  {"/dev/ttyAMA10", "/dev/serial0", "/dev/ttyAMA0", "/dev/ttyS0", "/dev/ttyUSB0"},
                  {"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyAMA0", "/dev/ttyAMA10"}},
        OrderCase{"DuplicatesOnce", {"/dev/ttyS0", "/dev/ttyS0"}, {"/dev/ttyS0"}},
        OrderCase{"Nothing", {}, {}}),
    [](const auto& info) { return info.param.name; });

// A COM number opens a device only where this machine lists that port. On Windows the
// system's numbers are kept, so the listed ones need not start at 1 or follow each other.
TEST(PortMappingTest, OnlyListedPortsOpenADevice) {
    std::set<int> listed;
    for (const auto& device : listSerialDevices()) {
        ASSERT_TRUE(device.portName.starts_with("COM")) << device.portName;
        const int number = std::stoi(device.portName.substr(3));
        listed.insert(number);
        EXPECT_EQ(portDevicePath(number), device.path) << device.portName;
    }
    for (const int number : {-1, 0, 1, 2, 3, 4, 5, 9, 10, 99, 256}) {
        if (!listed.contains(number)) {
            EXPECT_EQ(portDevicePath(number), "") << "COM" << number;
        }
    }
}

} // namespace
} // namespace wl3
