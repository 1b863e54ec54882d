#pragma once

#include <string>
#include <string_view>

namespace wl3 {

// A line for the user about one COM port, from what the Plug and Play manager holds for it:
// its friendly name without the "(COMn)" the list already shows, the maker where the name
// lacks it, and a USB adapter's vendor and product numbers from its hardware id
// (USB\VID_0403&PID_6001 gives "USB 0403:6001"). Empty parts are left out.
std::string describePort(std::string_view friendlyName, std::string_view manufacturer,
                         std::string_view hardwareId);

// Whether a hardware id is a USB device's: it carries a vendor and a product number, as
// USB\VID_0403&PID_6001 does, and so does an adapter whose driver names its own bus
// (FTDIBUS\COMPORT&VID_0403&PID_6001).
bool isUsbHardwareId(std::string_view hardwareId);

} // namespace wl3
