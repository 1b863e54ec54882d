#include "link/port_choice.h"
#include "link/port_mapping.h"
#include "link/tty_description.h"

#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace wl3 {

namespace {

constexpr const char* kDeviceFolder = "/dev";

} // namespace

std::vector<std::string> characterDevicesIn(const std::string& folder) {
    std::vector<std::string> paths;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) {
        return paths;
    }
    while (const dirent* entry = readdir(dir.get())) {
        struct stat info {};
        if (fstatat(dirfd(dir.get()), entry->d_name, &info, 0) == 0 && S_ISCHR(info.st_mode)) {
            paths.push_back(folder + '/' + entry->d_name);
        }
    }
    return paths;
}

std::vector<SerialDeviceInfo> listSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    for (std::string& path : orderSerialDevices(characterDevicesIn(kDeviceFolder))) {
        std::string description = describeTty("/sys", path.substr(path.rfind('/') + 1));
        devices.push_back({std::move(path), std::move(description),
                           comPortName(static_cast<int>(devices.size()) + 1)});
    }
    return devices;
}

std::vector<std::string> usbSerialDevices() {
    std::vector<std::string> paths = orderSerialDevices(characterDevicesIn(kDeviceFolder));
    std::erase_if(paths, [](const std::string& path) { return !isUsbSerialDevice(path); });
    return paths;
}

std::string portDevicePath(int portNumber) {
    const std::vector<std::string> paths = orderSerialDevices(characterDevicesIn(kDeviceFolder));
    if (portNumber < 1 || static_cast<std::size_t>(portNumber) > paths.size()) {
        return {};
    }
    return paths[static_cast<std::size_t>(portNumber) - 1];
}

} // namespace wl3
