// The system's news of a USB serial adapter plugged in and pulled out, on a umockdev
// testbed: run under umockdev-wrapper.
#include "link/port_watcher.h"
#include "support/usb_serial_testbed.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

// A rescan after each piece of news, until one brings changes or timeoutMs have passed.
std::vector<PortChange> nextChanges(DeviceEvents& events, PortWatcher& watcher) {
    constexpr int kTimeoutMs = 5000;
    constexpr int kStepMs = 100;
    for (int waited = 0; waited < kTimeoutMs; waited += kStepMs) {
        if (events.wait(kStepMs)) {
            if (std::vector<PortChange> changes = watcher.rescan(); !changes.empty()) {
                return changes;
            }
        }
    }
    return {};
}

TEST(PortWatchTest, AdapterPluggedInAndPulledOutIsReportedUnderCom1) {
    test::UsbSerialTestbed testbed;
    ASSERT_TRUE(test::UsbSerialTestbed::mocked()) << "run under umockdev-wrapper";
    const std::unique_ptr<DeviceEvents> events = watchDeviceEvents();
    // The testbed stands in for udev: its monitor, not a poll, must bring the news.
    ASSERT_GE(events->descriptor(), 0);
    PortWatcher watcher;
    ASSERT_TRUE(watcher.devices().empty());

    testbed.plug();
    const SerialDeviceInfo adapter{"/dev/ttyUSB0", "USB2.0-Serial", "COM1"};
    const std::vector<PortChange> pluggedIn{{true, adapter}};
    EXPECT_EQ(nextChanges(*events, watcher), pluggedIn);

    testbed.unplug();
    const std::vector<PortChange> pulledOut{{false, adapter}};
    EXPECT_EQ(nextChanges(*events, watcher), pulledOut);
}

} // namespace
} // namespace wl3
