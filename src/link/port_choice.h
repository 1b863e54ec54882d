#pragma once

#include "link/port_mapping.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace wl3 {

// The ports a user chooses from, in the window's list and in --port: COM1 to COM4, which
// this machine maps to its devices (port_mapping.h), and after them, as a fifth entry, a
// device given by its path.
inline constexpr int kComPortCount = 4;
inline constexpr std::string_view kComPortPrefix = "COM";
inline constexpr std::array<std::string_view, kComPortCount> kComPortNames{"COM1", "COM2", "COM3",
                                                                           "COM4"};
// The index of the fifth entry, a device path, in the window's list.
inline constexpr int kDevicePathEntry = kComPortCount;

// "COM<portNumber>", for any number the system may give a port.
std::string comPortName(int portNumber);

// One entry of the list: a COM port, or a device by its path.
struct PortChoice {
    int portNumber = 1;
    std::string devicePath; // empty for a COM port

    // Where it stands in the window's list.
    int entry() const { return devicePath.empty() ? portNumber - 1 : kDevicePathEntry; }

    bool operator==(const PortChoice&) const = default;
};

// The entry at index of the window's list, whose fifth entry holds devicePath. No selection
// (-1) gives port number 0, which the link refuses when it opens the port.
PortChoice portChoiceAt(int index, const std::string& devicePath);

// COMn in any letter case, or a device path; nothing for an empty text or a COM number
// outside 1 to 4.
std::optional<PortChoice> parsePortChoice(std::string_view text);

// The choice of a text already checked. One that slipped past the check gives port number
// 0, which the link refuses with a message when it opens the port.
PortChoice checkedPortChoice(std::string_view text);

// The device path that "COM<portNumber>" opens on this machine, or empty when there is
// none. Asked afresh at every call, so that adapters plugged in later are seen.
using PortResolver = std::function<std::string(int portNumber)>;

// The device choice opens now: its own path, or the one comPorts gives for its COM number;
// empty when that number has no device on this machine.
std::string deviceFor(const PortChoice& choice, const PortResolver& comPorts = portDevicePath);

} // namespace wl3
