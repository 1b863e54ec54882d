#include "link/port_open_error.h"

#include "link/port_access.h"

namespace wl3 {

std::string openFailureText(const PortOpenError& error) {
    const std::string& path = error.path;
    switch (error.kind) {
    case PortOpenFailure::Unexplained:
        return {};
    case PortOpenFailure::NoDevice:
        return path + ": there is no serial port with this number on this machine.";
    case PortOpenFailure::NoSuchPort:
        return path + ": there is no such port on this machine (is the adapter plugged in?)";
    case PortOpenFailure::Unplugged:
        return path + ": " + systemErrorText(error.systemError) +
               " (is the adapter still plugged in?)";
    case PortOpenFailure::InUse:
        return path + ": another program is using this port.";
    case PortOpenFailure::AccessDenied:
        return path + ": " + deniedReason(checkPortAccess(path));
    case PortOpenFailure::NotSerial:
        return path + ": this is not a serial device.";
    case PortOpenFailure::System:
        break;
    }
    return path + ": " + systemErrorText(error.systemError);
}

} // namespace wl3
