#pragma once

#include <windows.h>

namespace wl3 {

// The device interface class of COM ports (GUID_DEVINTERFACE_COMPORT), whose arrivals and
// removals a window may ask to be sent; the header that names it needs the driver kit.
inline constexpr GUID kComPortInterface{
    0x86E0D1E0, 0x8089, 0x11D0, {0x9C, 0xE4, 0x08, 0x00, 0x3E, 0x30, 0x1F, 0x73}};

} // namespace wl3
