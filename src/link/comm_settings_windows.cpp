#include "link/comm_settings_windows.h"

namespace wl3 {

DCB rawLineSettings(const DCB& read) {
    DCB raw = read;
    raw.DCBlength = sizeof(DCB);
    raw.BaudRate = CBR_4800;
    raw.ByteSize = 8;
    raw.Parity = NOPARITY;
    raw.StopBits = ONESTOPBIT;
    // The image holds 0x11, 0x13 and 0x00 bytes like any others: XON/XOFF would stop the
    // line at the first of them, and NUL stripping would shorten the reply.
    raw.fBinary = TRUE;
    raw.fParity = FALSE;
    raw.fOutX = FALSE;
    raw.fInX = FALSE;
    raw.fErrorChar = FALSE;
    raw.fNull = FALSE;
    // With it on, one line error refuses every later read and write until it is cleared.
    raw.fAbortOnError = FALSE;
    // The tracker's cable need not carry DSR; as with the carrier on POSIX, its absence
    // must not hold the line.
    raw.fDsrSensitivity = FALSE;
    raw.fOutxDsrFlow = FALSE;
    raw.fDtrControl = DTR_CONTROL_ENABLE;
    if (raw.fRtsControl != RTS_CONTROL_HANDSHAKE) {
        raw.fRtsControl = RTS_CONTROL_ENABLE;
    }
    return raw;
}

bool rawLineSettingsTook(const DCB& wanted, const DCB& actual) {
    return actual.BaudRate == wanted.BaudRate && actual.ByteSize == wanted.ByteSize &&
           actual.Parity == wanted.Parity && actual.StopBits == wanted.StopBits &&
           actual.fParity == wanted.fParity && actual.fOutX == wanted.fOutX &&
           actual.fInX == wanted.fInX && actual.fErrorChar == wanted.fErrorChar &&
           actual.fNull == wanted.fNull && actual.fAbortOnError == wanted.fAbortOnError &&
           actual.fDsrSensitivity == wanted.fDsrSensitivity &&
           actual.fOutxDsrFlow == wanted.fOutxDsrFlow;
}

} // namespace wl3
