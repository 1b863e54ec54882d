#include "link/port_choice.h"
#include "link/port_description.h"
#include "link/port_mapping.h"

#include <array>
#include <cstring>
#include <map>
#include <string_view>
#include <vector>
#include <windows.h>

// After windows.h, whose types they build on.
#include <devguid.h>
#include <setupapi.h>

namespace wl3 {

namespace {

// n for "COMn", 0 for any other name.
int comNumber(std::string_view name) {
    const std::size_t prefix = kComPortPrefix.size();
    if (!name.starts_with(kComPortPrefix) || name.size() == prefix || name.size() > prefix + 3) {
        return 0;
    }
    int number = 0;
    for (const char c : name.substr(prefix)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string devicePathOf(const std::string& portName) {
    return "\\\\.\\" + portName;
}

// The driver's device a DOS device name stands for, such as \Device\Serial0; empty when the
// name does not exist.
std::string dosDeviceTarget(const std::string& name) {
    std::array<char, 512> target{};
    if (QueryDosDeviceA(name.c_str(), target.data(), target.size()) == 0) {
        return {};
    }
    return target.data();
}

// The DOS device names are what CreateFile opens, so a COM port exists exactly when its name
// does; each names the driver's device it stands for. The SERIALCOMM registry key is not
// enough: Wine lists ports there that it has no device for.
std::map<int, std::string> comDosDevices() {
    std::map<int, std::string> ports;
    std::vector<char> names(64 * 1024);
    while (QueryDosDeviceA(nullptr, names.data(), static_cast<DWORD>(names.size())) == 0) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || names.size() >= 16 * 1024 * 1024) {
            return ports;
        }
        names.resize(names.size() * 2);
    }
    for (const char* name = names.data(); *name != '\0'; name += std::strlen(name) + 1) {
        if (const int number = comNumber(name); number > 0) {
            ports[number] = dosDeviceTarget(name);
        }
    }
    return ports;
}

std::string registryString(HKEY key, const char* name) {
    std::array<char, 256> value{};
    DWORD length = value.size() - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &length) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return value.data();
}

// The first string of a device property (a hardware id is a list of them).
std::string deviceProperty(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD property) {
    std::array<char, 512> value{};
    if (!SetupDiGetDeviceRegistryPropertyA(devices, &device, property, nullptr,
                                           reinterpret_cast<BYTE*>(value.data()), value.size() - 2,
                                           nullptr)) {
        return {};
    }
    return value.data();
}

// Calls visit(number, devices, device) for each COM port that the Plug and Play manager
// knows to be present.
template <typename Visit> void forEachPresentPort(Visit visit) {
    const HDEVINFO devices =
        SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        const HKEY key =
            SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE) {
            continue;
        }
        const int number = comNumber(registryString(key, "PortName"));
        RegCloseKey(key);
        if (number > 0) {
            visit(number, devices, device);
        }
    }
    SetupDiDestroyDeviceInfoList(devices);
}

// What the Plug and Play manager tells of each COM port that is present, by port number.
std::map<int, std::string> portDescriptions() {
    std::map<int, std::string> descriptions;
    forEachPresentPort([&](int number, HDEVINFO devices, SP_DEVINFO_DATA& device) {
        descriptions[number] = describePort(deviceProperty(devices, device, SPDRP_FRIENDLYNAME),
                                            deviceProperty(devices, device, SPDRP_MFG),
                                            deviceProperty(devices, device, SPDRP_HARDWAREID));
    });
    return descriptions;
}

} // namespace

// The system's own COM numbers, so a number may be missing. Where Plug and Play knows
// nothing of a port, the driver's device name is all there is to show.
std::vector<SerialDeviceInfo> listSerialDevices() {
    const std::map<int, std::string> descriptions = portDescriptions();
    std::vector<SerialDeviceInfo> devices;
    for (const auto& [number, driverDevice] : comDosDevices()) {
        const auto described = descriptions.find(number);
        const std::string name = comPortName(number);
        devices.push_back({devicePathOf(name),
                           described != descriptions.end() && !described->second.empty()
                               ? described->second
                               : driverDevice,
                           name});
    }
    return devices;
}

std::vector<std::string> usbSerialDevices() {
    std::map<int, std::string> byNumber;
    forEachPresentPort([&](int number, HDEVINFO devices, SP_DEVINFO_DATA& device) {
        if (isUsbHardwareId(deviceProperty(devices, device, SPDRP_HARDWAREID))) {
            byNumber[number] = devicePathOf(comPortName(number));
        }
    });
    std::vector<std::string> paths;
    for (auto& [number, path] : byNumber) {
        paths.push_back(std::move(path));
    }
    return paths;
}

std::string portDevicePath(int portNumber) {
    if (portNumber < 1) {
        return {};
    }
    const std::string name = comPortName(portNumber);
    return dosDeviceTarget(name).empty() ? std::string() : devicePathOf(name);
}

} // namespace wl3
