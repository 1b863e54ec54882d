#include "link/port_description.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

TEST(PortDescriptionTest, NamesTheAdapterAndItsUsbNumbers) {
    struct Row {
        const char* friendlyName;
        const char* manufacturer;
        const char* hardwareId;
        const char* line;
    };
    const Row rows[] = {
        {"USB Serial Port (COM3)", "FTDI", "FTDIBUS\\COMPORT&VID_0403&PID_6001",
         "USB Serial Port, FTDI, USB 0403:6001"},
        {"Prolific USB-to-Serial Comm Port (COM5)", "Prolific", "USB\\VID_067B&PID_2303&REV_0300",
         "Prolific USB-to-Serial Comm Port, USB 067B:2303"},
        {"Communications Port (COM1)", "(Standard port types)", "ACPI\\PNP0501",
         "Communications Port"},
        {"", "", "USB\\VID_1A86&PID_7523", "USB 1A86:7523"},
        {"Odd (COM2) port", "", "USB\\VID_12&PID_7523", "Odd (COM2) port"},
        {"", "", "USB\\VID_10C4&PID_EA6", ""},
        {"", "", "", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(describePort(row.friendlyName, row.manufacturer, row.hardwareId), row.line)
            << row.friendlyName << " / " << row.hardwareId;
    }
}

} // namespace
} // namespace wl3
