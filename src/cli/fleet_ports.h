#pragma once

#include "config/status.h"
#include "link/port_mapping.h"
#include "outcomes/reporter.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ports of a command for several trackers at once, and the files named after them.
namespace wl3 {

// In --port: every USB serial adapter plugged in now.
inline constexpr std::string_view kEveryUsbAdapter = "usb";

// Whether the ports given to --port ask for more than the one tracker of a plain command.
bool namesSeveralPorts(const std::vector<std::string>& given);

// The USB serial adapters plugged in now; tests give a list of their own.
using AdapterLister = std::function<std::vector<std::string>()>;

// The ports given, kEveryUsbAdapter replaced by the adapters found; nothing, after saying
// so, when it finds none.
std::optional<std::vector<std::string>>
expandPorts(const std::vector<std::string>& given, Reporter& reporter,
            const AdapterLister& listAdapters = usbSerialDevices);

// Fails, after naming both places, when two ports lead to one device (COM1 and the device
// it opens, two links to one adapter): the second would find the port taken. places[i]
// says where ports[i] was named.
Status refuseRepeatedPorts(const std::vector<std::string>& ports,
                           const std::vector<std::string>& places, Reporter& reporter);

// Whether path names a folder: it ends in a separator, or is one.
bool namesFolder(const std::filesystem::path& path);

// The folder that path names, made when it is missing (not its parents); fails after
// saying why as a failed save.
Status prepareFolder(const std::filesystem::path& folder, Reporter& reporter);

// The name of a tracker's file in a folder: its port's name without the system's device
// folder (COM3, ttyUSB0, pts_4), with what a file name cannot hold made "_", then suffix.
std::string portFileName(std::string_view port, std::string_view suffix);

} // namespace wl3
