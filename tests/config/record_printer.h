#pragma once

#include "config/tracker_config.h"

#include <ostream>

namespace wl3 {

// Field by field, so that a failed comparison of two records says which fields differ.
inline void PrintTo(const TrackerConfig& config, std::ostream* out) {
    *out << "{currentProfile=" << config.currentProfile << " calibration=" << config.calibration
         << " calibrationChanged=" << config.calibrationChanged;
    const auto text = [out](const char* name, const auto& pair) {
        *out << ' ' << name << "=[\"" << textOf(pair[0]) << "\", \"" << textOf(pair[1]) << "\"]";
    };
    const auto number = [out](const char* name, const auto& pair) {
        *out << ' ' << name << "=[" << +pair[0] << ", " << +pair[1] << "]";
    };
#define WL3_PRINT_TEXT(field) text(#field, config.field);
#define WL3_PRINT_NUMBER(field) number(#field, config.field);
    WL3_PRINT_TEXT(callsign)
    WL3_PRINT_TEXT(digiPath)
    WL3_PRINT_TEXT(statusText)
    WL3_PRINT_NUMBER(autoTxDelayMs)
    WL3_PRINT_NUMBER(manualTxDelayMs)
    WL3_PRINT_NUMBER(micEMessage)
    WL3_PRINT_NUMBER(micEPath)
    WL3_PRINT_NUMBER(symbol)
    WL3_PRINT_NUMBER(symbolTable)
    WL3_PRINT_NUMBER(statusEvery)
    WL3_PRINT_NUMBER(autoRateSec)
    WL3_PRINT_NUMBER(manualRateSec)
    WL3_PRINT_NUMBER(slotOffsetSec)
    WL3_PRINT_NUMBER(slowSpeedMph)
    WL3_PRINT_NUMBER(fastSpeedMph)
    WL3_PRINT_NUMBER(slowRateSec)
    WL3_PRINT_NUMBER(fastRateSec)
    WL3_PRINT_NUMBER(minTurnAngleDeg)
    WL3_PRINT_NUMBER(turnSlope)
    WL3_PRINT_NUMBER(minTurnTimeSec)
    WL3_PRINT_NUMBER(quietTimeMs)
    WL3_PRINT_NUMBER(powerSwitchTimeSec)
    WL3_PRINT_NUMBER(forcePrintable)
    WL3_PRINT_NUMBER(onlySendValid)
    WL3_PRINT_NUMBER(timeSlotting)
    WL3_PRINT_NUMBER(rateDivides60)
    WL3_PRINT_NUMBER(rateDivides600)
    WL3_PRINT_NUMBER(smartBeaconing)
    WL3_PRINT_NUMBER(sendAltitude)
    WL3_PRINT_NUMBER(micEEnabled)
    WL3_PRINT_NUMBER(powerSwitch)
    WL3_PRINT_NUMBER(timestamp)
    WL3_PRINT_NUMBER(allowTtlSerial)
    WL3_PRINT_NUMBER(altDigiPaths)
    WL3_PRINT_NUMBER(invertCdIn)
    WL3_PRINT_NUMBER(timestampHms)
    WL3_PRINT_NUMBER(noPttOutWhilePttIn)
#undef WL3_PRINT_TEXT
#undef WL3_PRINT_NUMBER
    *out << '}';
}

} // namespace wl3
