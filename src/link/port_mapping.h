#pragma once

#include <string>
#include <vector>

namespace wl3 {

// A serial device found on this machine, for lists shown to the user.
struct SerialDeviceInfo {
    std::string path;        // what open() takes, such as /dev/ttyUSB0 or \\.\COM3
    std::string description; // USB vendor and product where known, else empty
};

// Every serial device of this machine, in the order "COM1", "COM2", ... stand for them.
std::vector<SerialDeviceInfo> listSerialDevices();

// The device "COM<portNumber>" opens on this machine now; empty when there is none.
std::string portDevicePath(int portNumber);

} // namespace wl3
