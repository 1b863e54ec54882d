#pragma once

#include "link/serial_link.h"

#include <optional>
#include <string>
#include <string_view>

namespace wl3 {

// What --port names: one of the window's ports "COM1" to "COM4", or a device by its path.
struct PortChoice {
    int portNumber = 1;
    std::string devicePath; // empty for a COM port
};

// COMn in any letter case, or a device path; nothing for an empty text or a COM number
// outside 1 to 4.
std::optional<PortChoice> parsePortChoice(std::string_view text);

// For option checks: empty when text is a port choice, else why not.
std::string checkPortChoice(const std::string& text);

// A link set to the chosen port: a COM port opens what it stands for on this machine; a
// device path is given the port number 1.
SerialLink makeLink(const PortChoice& choice, Reporter& reporter);

} // namespace wl3
