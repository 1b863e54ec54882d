#include "link/port_mapping.h"
#include "link/tty_description.h"

#include <dirent.h>
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

} // namespace

std::vector<SerialDeviceInfo> listSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    for (std::string& path : orderSerialDevices(devicesInDev())) {
        std::string description = describeTty("/sys", path.substr(path.rfind('/') + 1));
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
