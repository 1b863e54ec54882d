#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wl3 {

// A serial device found on this machine, for lists shown to the user.
struct SerialDeviceInfo {
    std::string path;        // what open() takes, such as /dev/ttyUSB0 or \\.\COMn
    std::string description; // maker and product, or what kind of port it is; may be empty
    std::string portName;    // the name that opens it: "COMn" (port_choice.h)

    bool operator==(const SerialDeviceInfo&) const = default;
};

// Every serial device of this machine, in the order of the COM port numbers that stand for
// them. On Windows the system's own COM numbers are kept, so a number may be missing.
std::vector<SerialDeviceInfo> listSerialDevices();

// Every USB serial adapter plugged in now, in the order of listSerialDevices: for a
// programming station, where trackers come and go on adapters of their own.
std::vector<std::string> usbSerialDevices();

// The device "COM<portNumber>" opens on this machine now; empty when there is none.
std::string portDevicePath(int portNumber);

// The character devices in folder, links followed, as folder/name (on POSIX systems).
// Anything else there is no port, such as a link left behind by an unplugged adapter.
std::vector<std::string> characterDevicesIn(const std::string& folder);

// Puts device paths in the order of the COM port numbers that stand for them and drops
// those that are not serial ports: USB adapters first (ttyUSB, then ttyACM; on macOS
// cu.usbserial, cu.usbmodem and other cu. devices), each family by number, then the
// built-in ttyS ports, then the ttyAMA UARTs of ARM boards. An adapter plugged in therefore
// becomes the first COM port, whatever the machine has built in.
std::vector<std::string> orderSerialDevices(std::vector<std::string> paths);

// Whether a device path of the POSIX systems is one of the USB adapter families above.
bool isUsbSerialDevice(std::string_view path);

} // namespace wl3
