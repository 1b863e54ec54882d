#include "link/port_watcher.h"

#include <chrono>
#include <poll.h>

namespace wl3 {

namespace {

using Clock = std::chrono::steady_clock;

class PolledDeviceEvents : public DeviceEvents {
public:
    explicit PolledDeviceEvents(int intervalMs)
        : interval_(intervalMs), due_(Clock::now() + interval_) {}

    int descriptor() const override { return -1; }
    int pollIntervalMs() const override { return static_cast<int>(interval_.count()); }

    // poll() with no descriptors, rather than a sleep, so that a signal ends the wait.
    bool wait(int timeoutMs) override {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(due_ - Clock::now());
        if (left.count() > timeoutMs) {
            poll(nullptr, 0, timeoutMs);
            return false;
        }
        if (left.count() > 0) {
            poll(nullptr, 0, static_cast<int>(left.count()));
        }
        due_ = Clock::now() + interval_;
        return true;
    }

private:
    std::chrono::milliseconds interval_;
    Clock::time_point due_;
};

} // namespace

std::unique_ptr<DeviceEvents> pollDeviceEvents(int intervalMs) {
    return std::make_unique<PolledDeviceEvents>(intervalMs);
}

} // namespace wl3
