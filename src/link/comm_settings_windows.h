#pragma once

#include <windows.h>

namespace wl3 {

// The settings that make a raw 4800 8N1 line out of those a port had: bytes pass unchanged
// and unhindered whatever another program left set. Hardware flow control stays as read;
// software flow control, parity checking, error and NUL replacement, abort on error and the
// DSR input lines are switched off, and DTR and RTS are raised, as a POSIX serial driver
// does on open.
DCB rawLineSettings(const DCB& read);

// Whether the settings read back after applying wanted are the raw line that was asked for.
// A driver may refuse some of them without failing the call.
bool rawLineSettingsTook(const DCB& wanted, const DCB& actual);

} // namespace wl3
