#include "link/port_watcher.h"

#include <cstdlib>
#include <libudev.h>
#include <poll.h>
#include <unistd.h>

namespace wl3 {

namespace {

// Where no udev runs (a container, say), its monitor would stay silent.
constexpr int kPollWithoutUdevMs = 1000;

// udev's daemon makes this socket; a device testbed (umockdev) sends udev's events itself.
bool udevRuns() {
    return access("/run/udev/control", F_OK) == 0 || std::getenv("UMOCKDEV_DIR") != nullptr;
}

// The tty devices once udev's rules have run on them, so that their group and mode are set
// by the time a rescan sees them.
class UdevDeviceEvents : public DeviceEvents {
public:
    UdevDeviceEvents(udev* context, udev_monitor* monitor) : udev_(context), monitor_(monitor) {}
    ~UdevDeviceEvents() override {
        udev_monitor_unref(monitor_);
        udev_unref(udev_);
    }
    UdevDeviceEvents(const UdevDeviceEvents&) = delete;
    UdevDeviceEvents& operator=(const UdevDeviceEvents&) = delete;

    int descriptor() const override { return udev_monitor_get_fd(monitor_); }
    int pollIntervalMs() const override { return 0; }

    bool wait(int timeoutMs) override {
        pollfd ready{descriptor(), POLLIN, 0};
        if (poll(&ready, 1, timeoutMs) <= 0) {
            return false;
        }
        bool news = false;
        while (udev_device* device = udev_monitor_receive_device(monitor_)) {
            udev_device_unref(device);
            news = true;
        }
        return news;
    }

private:
    udev* udev_;
    udev_monitor* monitor_;
};

std::unique_ptr<DeviceEvents> udevEvents() {
    udev* context = udev_new();
    udev_monitor* monitor =
        context != nullptr ? udev_monitor_new_from_netlink(context, "udev") : nullptr;
    if (monitor == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::make_unique<UdevDeviceEvents>(context, monitor);
}

} // namespace

std::unique_ptr<DeviceEvents> watchDeviceEvents() {
    std::unique_ptr<DeviceEvents> events = udevRuns() ? udevEvents() : nullptr;
    return events ? std::move(events) : pollDeviceEvents(kPollWithoutUdevMs);
}

} // namespace wl3
