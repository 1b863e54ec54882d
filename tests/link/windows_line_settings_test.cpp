#include "link/comm_settings_windows.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

// What another program may leave a port set to: software flow control, parity checking
// and every character replacement on, DSR handshaking, 9600 7E2.
DCB leftBusy() {
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 7;
    dcb.Parity = EVENPARITY;
    dcb.StopBits = TWOSTOPBITS;
    dcb.fBinary = FALSE;
    dcb.fParity = TRUE;
    dcb.fOutX = TRUE;
    dcb.fInX = TRUE;
    dcb.fErrorChar = TRUE;
    dcb.fNull = TRUE;
    dcb.fAbortOnError = TRUE;
    dcb.fDsrSensitivity = TRUE;
    dcb.fOutxDsrFlow = TRUE;
    dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
    dcb.fRtsControl = RTS_CONTROL_TOGGLE;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

TEST(RawLineSettingsTest, TurnsABusyPortIntoARawLine) {
    const DCB raw = rawLineSettings(leftBusy());
    EXPECT_EQ(raw.BaudRate, static_cast<DWORD>(CBR_4800));
    EXPECT_EQ(raw.ByteSize, 8);
    EXPECT_EQ(raw.Parity, NOPARITY);
    EXPECT_EQ(raw.StopBits, ONESTOPBIT);
    EXPECT_TRUE(raw.fBinary);
    EXPECT_FALSE(raw.fParity);
    EXPECT_FALSE(raw.fOutX) << "an XOFF byte in the image would stop our output";
    EXPECT_FALSE(raw.fInX);
    EXPECT_FALSE(raw.fErrorChar);
    EXPECT_FALSE(raw.fNull) << "NUL bytes of the image would be dropped";
    EXPECT_FALSE(raw.fAbortOnError);
    EXPECT_FALSE(raw.fDsrSensitivity);
    EXPECT_FALSE(raw.fOutxDsrFlow);
    EXPECT_EQ(raw.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
    EXPECT_EQ(raw.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
    EXPECT_EQ(raw.DCBlength, sizeof(DCB));
    EXPECT_TRUE(rawLineSettingsTook(raw, raw));
}

TEST(RawLineSettingsTest, KeepsHardwareFlowControlAsRead) {
    DCB read = leftBusy();
    read.fOutxCtsFlow = TRUE;
    read.fRtsControl = RTS_CONTROL_HANDSHAKE;
    const DCB raw = rawLineSettings(read);
    EXPECT_TRUE(raw.fOutxCtsFlow);
    EXPECT_EQ(raw.fRtsControl, static_cast<DWORD>(RTS_CONTROL_HANDSHAKE));
}

// A driver may take SetCommState and keep a setting of its own; the read-back must say so.
TEST(RawLineSettingsTest, ReadBackThatKeptAnyOfTheLineSettingsIsRefused) {
    const DCB wanted = rawLineSettings(leftBusy());
    const auto refused = [&](auto change) {
        DCB actual = wanted;
        change(actual);
        return !rawLineSettingsTook(wanted, actual);
    };
    EXPECT_TRUE(refused([](DCB& d) { d.BaudRate = CBR_9600; }));
    EXPECT_TRUE(refused([](DCB& d) { d.ByteSize = 7; }));
    EXPECT_TRUE(refused([](DCB& d) { d.Parity = EVENPARITY; }));
    EXPECT_TRUE(refused([](DCB& d) { d.StopBits = TWOSTOPBITS; }));
    EXPECT_TRUE(refused([](DCB& d) { d.fOutX = TRUE; }));
    EXPECT_TRUE(refused([](DCB& d) { d.fInX = TRUE; }));
    EXPECT_TRUE(refused([](DCB& d) { d.fNull = TRUE; }));
    EXPECT_TRUE(refused([](DCB& d) { d.fParity = TRUE; }));
    EXPECT_TRUE(refused([](DCB& d) { d.fAbortOnError = TRUE; }));
    EXPECT_TRUE(refused([](DCB& d) { d.fDsrSensitivity = TRUE; }));
}

} // namespace
} // namespace wl3
