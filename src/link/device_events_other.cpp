#include "link/port_watcher.h"

namespace wl3 {

// Nothing here tells of serial devices that come and go: the device folder is listed again
// every second.
std::unique_ptr<DeviceEvents> watchDeviceEvents() {
    return pollDeviceEvents(1000);
}

} // namespace wl3
