#pragma once

#include <string>

namespace wl3 {

// Why a serial port could not be opened, as each platform finds it; openFailureText puts it
// into words, the same on every platform.
enum class PortOpenFailure {
    Unexplained,  // the port gave no reason
    NoDevice,     // no device stands for the port number on this machine
    NoSuchPort,   // the system has no port of that name (Windows)
    Unplugged,    // the device is there no longer, or nothing answers behind it (POSIX)
    InUse,        // another program holds it
    AccessDenied, // this user may not open it
    NotSerial,    // it opened, but is no serial device (a file, another kind of device)
    System,       // anything else, in the system's own words
};

struct PortOpenError {
    PortOpenFailure kind = PortOpenFailure::Unexplained;
    std::string path;    // the device; for NoDevice, the port's name ("COMn")
    int systemError = 0; // errno, or GetLastError() on Windows: for Unplugged and System
};

// The device and why it could not be opened, for the user; empty for Unexplained.
std::string openFailureText(const PortOpenError& error);

// The system's own words for an error number (errno, or GetLastError() on Windows). One
// implementation per platform.
std::string systemErrorText(int systemError);

} // namespace wl3
