#include "link/port_error.h"

#include "link/port_access.h"

namespace wl3 {

namespace {

// The first line of each call's message: the texts users know letter for letter, "Count
// not aquire" misspelt and all.
std::string callText(PortCall call) {
    switch (call) {
    case PortCall::Open:
        return "Count not aquire Com Port";
    case PortCall::ReadSettings:
        return "GetCommState failed";
    case PortCall::ApplyLineSettings:
        return "SetCommState failed";
    case PortCall::ApplyTimeouts:
        return "SetCommTimeouts failed";
    case PortCall::Write:
        return "ComPort write failed";
    case PortCall::Read:
        return "ComPort read failed";
    case PortCall::Close:
        break;
    }
    return "ComPort Close failed";
}

// The device and why, for the user; empty for Unexplained.
std::string reasonText(const PortError& error) {
    const std::string& path = error.path;
    switch (error.kind) {
    case PortFailure::Unexplained:
        return {};
    case PortFailure::NoDevice:
        return path + ": there is no serial port with this number on this machine.";
    case PortFailure::NoSuchPort:
        return path + ": there is no such port on this machine (is the adapter plugged in?)";
    case PortFailure::Unplugged:
        return path + ": " + systemErrorText(error.systemError) +
               " (is the adapter still plugged in?)";
    case PortFailure::InUse:
        return path + ": another program is using this port.";
    case PortFailure::AccessDenied:
        return path + ": " + deniedReason(checkPortAccess(path));
    case PortFailure::NotSerial:
        return path + ": this is not a serial device.";
    case PortFailure::System:
        break;
    }
    return path + ": " + systemErrorText(error.systemError);
}

} // namespace

std::string portErrorText(PortCall call, const PortError& error) {
    std::string text = callText(call);
    if (const std::string reason = reasonText(error); !reason.empty()) {
        text += '\n' + reason;
    }
    return text;
}

} // namespace wl3
