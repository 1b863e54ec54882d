#include "link/port_mapping.h"

#include <dirent.h>
#include <fstream>
#include <memory>

namespace wl3 {

namespace {

std::vector<std::string> devicesInDev() {
    std::vector<std::string> paths;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir("/dev"), closedir);
    if (!dir) {
        return paths;
    }
    while (const dirent* entry = readdir(dir.get())) {
        paths.push_back(std::string("/dev/") + entry->d_name);
    }
    return paths;
}

std::string firstLineOf(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// A USB adapter's interface sits one level below the USB device that names its maker.
std::string describe(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    if (name.starts_with("ttyS")) {
        // The kernel makes these nodes whether or not a UART answers; type 0 means none did.
        return firstLineOf("/sys/class/tty/" + name + "/type") == "0"
                   ? "built-in serial port (no hardware found)"
                   : "built-in serial port";
    }
    const std::string usbDevice = "/sys/class/tty/" + name + "/device/../";
    const std::string maker = firstLineOf(usbDevice + "manufacturer");
    const std::string product = firstLineOf(usbDevice + "product");
    if (maker.empty() || product.empty()) {
        return maker + product;
    }
    return maker + " " + product;
}

} // namespace

std::vector<SerialDeviceInfo> listSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    for (std::string& path : orderSerialDevices(devicesInDev())) {
        std::string description = describe(path);
        devices.push_back(
            {std::move(path), std::move(description), "COM" + std::to_string(devices.size() + 1)});
    }
    return devices;
}

std::string portDevicePath(int portNumber) {
    const std::vector<std::string> paths = orderSerialDevices(devicesInDev());
    if (portNumber < 1 || static_cast<std::size_t>(portNumber) > paths.size()) {
        return {};
    }
    return paths[static_cast<std::size_t>(portNumber) - 1];
}

} // namespace wl3
