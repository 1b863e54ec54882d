#include "config/advice.h"

#include "config/address_field.h"

#include <algorithm>
#include <string_view>

namespace wl3 {

namespace {

const ProfileField* fieldOf(const FieldMember& member) {
    return &*std::ranges::find(kProfileFields, member, &ProfileField::member);
}

// The callsign of an address without its padding.
std::string_view baseOf(const AddressText& address) {
    const std::string_view characters(address.characters.data(), address.characters.size());
    return characters.substr(0, characters.find(' '));
}

// The digit after prefix ("WIDE2" for "WIDE"), or -1 when base is not prefix and one digit.
int numberAfter(std::string_view base, std::string_view prefix) {
    if (base.size() != prefix.size() + 1 || !base.starts_with(prefix) || base.back() < '0' ||
        base.back() > '9') {
        return -1;
    }
    return base.back() - '0';
}

// How many digipeaters an element asks for: WIDEn-N and TRACEn-N the N still to go, any
// other name one.
int hopsOf(const AddressText& address) {
    const std::string_view base = baseOf(address);
    if (base.empty()) {
        return 0;
    }
    if (numberAfter(base, "WIDE") >= 0 || numberAfter(base, "TRACE") >= 0) {
        return address.ssid;
    }
    return 1;
}

void adviseOnCallsign(const TrackerConfig& config, int p, std::vector<Advice>& advice) {
    const AddressText callsign = parseAddressText(textOf(config.callsign[p]));
    const ProfileField* field = fieldOf(&TrackerConfig::callsign);
    if (baseOf(callsign).empty()) {
        advice.push_back({Advice::Kind::NoCallsign, p, field});
    } else if (baseOf(callsign) == "NOCALL") {
        advice.push_back({Advice::Kind::Placeholder, p, field,
                          normalizeAddressText(textOf(config.callsign[p]))});
    }
}

void adviseOnPath(const TrackerConfig& config, int p, std::vector<Advice>& advice) {
    const ProfileField* field = fieldOf(&TrackerConfig::digiPath);
    int hops = 0;
    for (const std::string_view element : splitPath(textOf(config.digiPath[p]))) {
        const AddressText address = parseAddressText(element);
        const std::string_view base = baseOf(address);
        hops += hopsOf(address);
        const bool obsolete =
            base == "RELAY" || base == "WIDE" || base == "TRACE" || numberAfter(base, "TRACE") >= 0;
        if (obsolete) {
            advice.push_back(
                {Advice::Kind::ObsoleteElement, p, field, normalizeAddressText(element)});
        } else if (numberAfter(base, "WIDE") >= 3) {
            advice.push_back({Advice::Kind::WideTooFar, p, field, normalizeAddressText(element)});
        }
    }
    if (hops > kMostHops) {
        advice.push_back({Advice::Kind::TooManyHops, p, field, {}, hops});
    }
}

void adviseOnAutoRate(const TrackerConfig& config, int p, std::vector<Advice>& advice) {
    if (!config.smartBeaconing[p] && config.autoRateSec[p] < kSlowestAdvisedRateSec) {
        advice.push_back({Advice::Kind::FastAutoRate,
                          p,
                          fieldOf(&TrackerConfig::autoRateSec),
                          {},
                          config.autoRateSec[p]});
    }
}

void adviseOnMicE(const TrackerConfig& config, int p, std::vector<Advice>& advice) {
    if (config.micEEnabled[p] && config.micEMessage[p] == kEmergencyMessage) {
        advice.push_back({Advice::Kind::EmergencyMessage, p, fieldOf(&TrackerConfig::micEMessage)});
    }
}

void adviseOnSmartBeaconing(const TrackerConfig& config, int p, std::vector<Advice>& advice) {
    if (!config.smartBeaconing[p]) {
        return;
    }
    if (config.slowSpeedMph[p] >= config.fastSpeedMph[p]) {
        advice.push_back({Advice::Kind::SlowSpeedNotBelow,
                          p,
                          fieldOf(&TrackerConfig::slowSpeedMph),
                          {},
                          config.slowSpeedMph[p],
                          config.fastSpeedMph[p]});
    }
    if (config.fastRateSec[p] > config.slowRateSec[p]) {
        advice.push_back({Advice::Kind::FastRateAboveSlow,
                          p,
                          fieldOf(&TrackerConfig::fastRateSec),
                          {},
                          config.fastRateSec[p],
                          config.slowRateSec[p]});
    }
}

} // namespace

std::vector<Advice> adviceOn(const TrackerConfig& config) {
    std::vector<Advice> advice;
    for (int p = 0; p < kProfileCount; ++p) {
        adviseOnCallsign(config, p, advice);
        adviseOnPath(config, p, advice);
        adviseOnAutoRate(config, p, advice);
        adviseOnMicE(config, p, advice);
        adviseOnSmartBeaconing(config, p, advice);
    }
    return advice;
}

} // namespace wl3
