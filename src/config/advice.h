#pragma once

#include "config/profile_fields.h"
#include "config/tracker_config.h"

#include <string>
#include <vector>

// What the networks that carry APRS advise against, found in a record. Advice never
// refuses anything: the tracker stores what it is given, and the user decides.
namespace wl3 {

struct Advice {
    enum class Kind {
        NoCallsign,        // an empty callsign
        Placeholder,       // NOCALL, with any SSID: may not be transmitted
        ObsoleteElement,   // RELAY, WIDE alone or TRACEn-N in the path
        WideTooFar,        // WIDEn-N with n of 3 or more
        TooManyHops,       // more than two hops in the whole path
        FastAutoRate,      // an auto transmit rate under a minute, SmartBeaconing off
        SlowSpeedNotBelow, // SmartBeaconing's slow speed not below its fast speed
        FastRateAboveSlow, // SmartBeaconing's fast rate longer than its slow rate
        EmergencyMessage,  // MIC-E's Emergency!
    };
    Kind kind = Kind::NoCallsign;
    int profile = kPrimary;
    const ProfileField* field = nullptr; // the field the advice is about
    std::string element{};               // the callsign or path element, as the tracker sends it
    int number = 0;                      // the hops, the rate or the slow speed
    int other = 0;                       // the fast speed, or the slow rate
};

// Every piece of advice on config, profile by profile in the order of the form; the
// settings of an optional block count only while it is on.
std::vector<Advice> adviceOn(const TrackerConfig& config);

// The shortest auto transmit rate that no network advises against, in seconds.
inline constexpr int kSlowestAdvisedRateSec = 60;
// The most hops a path should ask for.
inline constexpr int kMostHops = 2;
// The index of "Emergency!" among the MIC-E messages.
inline constexpr int kEmergencyMessage = 7;

} // namespace wl3
