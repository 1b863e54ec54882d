#pragma once

#include <string>

namespace wl3 {

// The calls of a serial port that can fail (link/serial_port.h); each failure's message
// starts with the call's own line.
enum class PortCall {
    Open,
    ReadSettings,
    ApplyLineSettings,
    ApplyTimeouts,
    Write,
    Read,
    Close,
};

// Why a call of a serial port failed, as each platform finds it; the same on every
// platform once worded.
enum class PortFailure {
    Unexplained,  // the port gave no reason
    NoDevice,     // no device stands for the port number on this machine
    NoSuchPort,   // the system has no port of that name (Windows)
    Unplugged,    // the device is there no longer, or nothing answers behind it (POSIX)
    InUse,        // another program holds it
    AccessDenied, // this user may not open it
    NotSerial,    // it opened, but is no serial device (a file, another kind of device)
    System,       // anything else, in the system's own words
};

struct PortError {
    PortFailure kind = PortFailure::Unexplained;
    std::string path{};  // the device; for NoDevice, the port's name ("COMn")
    int systemError = 0; // errno, or GetLastError() on Windows: for Unplugged and System
};

// Whether this user may open a serial device, and if not, what would let them.
enum class PortAccess {
    Allowed,
    NotInGroup,        // the device's group would let them in, and they are not a member
    GroupNotInSession, // a member by the group file, but this session started before that
    RootOnly,          // no group grants access: only root may open it
    Denied,            // refused for a reason the owner, group and mode do not explain
};

struct PortAccessCheck {
    PortAccess access = PortAccess::Allowed;
    std::string group{}; // the device's group, for NotInGroup and GroupNotInSession
};

} // namespace wl3
