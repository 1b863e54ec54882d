#include "link/port_mapping.h"

#include <algorithm>
#include <array>
#include <windows.h>

namespace wl3 {

namespace {

int comNumber(const std::string& name) {
    return name.starts_with("COM") ? std::atoi(name.c_str() + 3) : 0;
}

} // namespace

// The system lists every serial port it has a driver for under SERIALCOMM, the driver's
// device name against the port name.
std::vector<SerialDeviceInfo> listSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return devices;
    }
    for (DWORD index = 0;; ++index) {
        std::array<char, 256> device{};
        std::array<char, 64> port{};
        DWORD deviceLength = device.size();
        DWORD portLength = port.size() - 1;
        DWORD type = 0;
        const LONG result = RegEnumValueA(key, index, device.data(), &deviceLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(port.data()), &portLength);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            continue;
        }
        const std::string name(port.data());
        if (comNumber(name) > 0) {
            devices.push_back({"\\\\.\\" + name, std::string(device.data(), deviceLength), name});
        }
    }
    RegCloseKey(key);
    std::sort(devices.begin(), devices.end(), [](const auto& a, const auto& b) {
        return comNumber(a.portName) < comNumber(b.portName);
    });
    return devices;
}

std::string portDevicePath(int portNumber) {
    return portNumber >= 1 ? "\\\\.\\COM" + std::to_string(portNumber) : std::string();
}

} // namespace wl3
