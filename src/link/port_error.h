#pragma once

#include <string>

namespace wl3 {

// The calls of a serial port that can fail (serial_port.h); each failure's message starts
// with the call's own line.
enum class PortCall {
    Open,
    ReadSettings,
    ApplyLineSettings,
    ApplyTimeouts,
    Write,
    Read,
    Close,
};

// Why a call of a serial port failed, as each platform finds it; portErrorText puts it into
// words, the same on every platform.
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
    std::string path;    // the device; for NoDevice, the port's name ("COMn")
    int systemError = 0; // errno, or GetLastError() on Windows: for Unplugged and System
};

// The message for a failed call: the call's line and, on a second, the device and why,
// where the port gave a reason.
std::string portErrorText(PortCall call, const PortError& error);

// The system's own words for an error number (errno, or GetLastError() on Windows). One
// implementation per platform.
std::string systemErrorText(int systemError);

} // namespace wl3
