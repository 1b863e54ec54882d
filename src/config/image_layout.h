#pragma once

#include "config/tracker_config.h"

#include <array>
#include <cstdint>

// Byte positions in the configuration image. Each fixed-area quantity has a pair of
// bytes, Primary first, so a profile's byte is the position plus its ProfileIndex.
namespace wl3::layout {

inline constexpr int kAddressOffset = 0;
inline constexpr int kCalibration = 2;
inline constexpr int kAutoTxDelay = 4;
inline constexpr int kManualTxDelay = 6;
inline constexpr int kAutoRateLow = 8;
inline constexpr int kAutoRateHigh = 10;
inline constexpr int kManualRateLow = 12;
inline constexpr int kManualRateHigh = 14;
inline constexpr int kFirstFlags = 16;
inline constexpr int kSecondFlags = 18;
inline constexpr int kStatusEvery = 20;
inline constexpr int kStatusTextOffset = 22;
inline constexpr int kOptionalOffset = 24;
inline constexpr int kMicEMessage = 26;
inline constexpr int kMicEPath = 28;
inline constexpr int kSymbol = 30;
inline constexpr int kSymbolTable = 32;
inline constexpr int kQuietTime = 34;
inline constexpr int kPowerSwitchTime = 36;
inline constexpr int kFixedAreaSize = 38;

// The last byte of the image: a status text's terminator may take it, nothing else may.
inline constexpr int kLastByte = 127;

inline constexpr int kSmartBeaconingSize = 10;
inline constexpr int kTimeSlotSize = 2;

// Closes every address block: AX.25 UI control field, "no layer 3" protocol id, a 0.
inline constexpr std::array<std::uint8_t, 3> kAddressBlockTrailer{0x03, 0xF0, 0x00};

using ProfileFlag = PerProfile<bool> TrackerConfig::*;

// Bit 0 first.
inline constexpr std::array<ProfileFlag, 8> kFirstFlagBits{
    &TrackerConfig::forcePrintable, &TrackerConfig::onlySendValid,  &TrackerConfig::timeSlotting,
    &TrackerConfig::rateDivides60,  &TrackerConfig::rateDivides600, &TrackerConfig::smartBeaconing,
    &TrackerConfig::sendAltitude,   &TrackerConfig::micEEnabled,
};

// Bit 0 first; bit 7 is unused.
inline constexpr std::array<ProfileFlag, 7> kSecondFlagBits{
    &TrackerConfig::powerSwitch,        &TrackerConfig::timestamp,  &TrackerConfig::allowTtlSerial,
    &TrackerConfig::altDigiPaths,       &TrackerConfig::invertCdIn, &TrackerConfig::timestampHms,
    &TrackerConfig::noPttOutWhilePttIn,
};

} // namespace wl3::layout
