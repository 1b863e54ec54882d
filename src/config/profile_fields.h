#pragma once

#include "config/form_layout.h"
#include "config/tracker_config.h"
#include "config/translatable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <variant>

// Every field of a profile, and the calibration that both profiles share, in one table:
// the record member, its JSON key, its kind, what the tracker holds of it, and the control
// that shows it in the window.
// The window, the JSON form, wl3 show and the tests' record printer all work from it.
namespace wl3 {

// The ids of the form's controls, in a scope of their own: the image layout has byte
// offsets of the same names. The window's own controls have theirs beside its layout.
namespace ids {
inline constexpr int kCallsign = 1008;
inline constexpr int kDigiPath = 1009;
inline constexpr int kStatusText = 1010;
inline constexpr int kAutoTxDelay = 1011;
inline constexpr int kManualTxDelay = 1012;
inline constexpr int kSymbol = 1014;
inline constexpr int kSymbolTable = 1015;
inline constexpr int kStatusEvery = 1016;
inline constexpr int kAutoRate = 1017;
inline constexpr int kCalibration = 1018;
inline constexpr int kSlowSpeed = 1019;
inline constexpr int kSlotOffset = 1020;
inline constexpr int kFastSpeed = 1021;
inline constexpr int kSlowRate = 1022;
inline constexpr int kFastRate = 1023;
inline constexpr int kMinTurnAngle = 1024;
inline constexpr int kTurnSlope = 1025;
inline constexpr int kMinTurnTime = 1026;
inline constexpr int kMicEMessage = 1027;
inline constexpr int kMicEPath = 1028;
inline constexpr int kForcePrintable = 1029;
inline constexpr int kOnlySendValid = 1030;
inline constexpr int kMicEEnable = 1031;
inline constexpr int kTimeSlottingEnable = 1032;
inline constexpr int kSmartBeaconingEnable = 1033;
inline constexpr int kQuietTime = 1035;
inline constexpr int kSendAltitude = 1036;
inline constexpr int kManualRate = 1037;
inline constexpr int kPowerSwitchEnable = 1038;
inline constexpr int kPowerSwitchTime = 1039;
inline constexpr int kTimestampDhm = 1040;
inline constexpr int kAllowTtlSerial = 1041;
inline constexpr int kAltDigiPaths = 1042;
inline constexpr int kInvertCdIn = 1044;
inline constexpr int kNoPttOut = 1045;
inline constexpr int kTimestampHms = 1046;
} // namespace ids

// The profile tabs, by ProfileIndex. "Seconday" is misspelt on purpose: users know the tab by
// this name. Like every text of this table, they are translated where the window shows them.
inline constexpr std::array<std::string_view, kProfileCount> kProfileTabTexts{
    WL3_TR("Form", "Primary"),
    //: The second profile's tab. The English keeps its old misspelling on purpose, since users
    //: know the tab by it; a translation may spell "Secondary" correctly.
    WL3_TR("Form", "Seconday"),
};

// The status that MIC-E carries in its destination address.
inline constexpr std::array<std::string_view, 8> kMicEMessageItems{
    WL3_TR("Form", "Off Duty"),  WL3_TR("Form", "En Route"),   WL3_TR("Form", "In Service"),
    WL3_TR("Form", "Returning"), WL3_TR("Form", "Committed"),  WL3_TR("Form", "Special"),
    WL3_TR("Form", "Priority"),  WL3_TR("Form", "Emergency!"),
};

// In the order of the path codes that MIC-E carries in its destination SSID. WIDE-n are the
// paths' own names, the same in every language.
inline constexpr std::array<std::string_view, 16> kMicEPathItems{
    WL3_TR("Form", "Conventional"),
    "WIDE-1",
    "WIDE-2",
    "WIDE-3",
    "WIDE-4",
    "WIDE-5",
    "WIDE-6",
    "WIDE-7",
    WL3_TR("Form", "North"),
    WL3_TR("Form", "South"),
    WL3_TR("Form", "East"),
    WL3_TR("Form", "West"),
    WL3_TR("Form", "North + WIDE"),
    WL3_TR("Form", "South + WIDE"),
    WL3_TR("Form", "East + WIDE"),
    WL3_TR("Form", "West + WIDE"),
};

// The unit of the speeds, which the tracker keeps in miles per hour; where the locale is
// metric the window shows each in km/h beside it too.
inline constexpr std::string_view kMphUnit = WL3_TR("Form", "MPH");

inline constexpr GroupBoxRow kTimingGroup{WL3_TR("Form", "Timing"), {10, 74, 150, 103}};
inline constexpr GroupBoxRow kStatusBeaconGroup{WL3_TR("Form", "Status Beacon"),
                                                {10, 178, 150, 52}};
inline constexpr GroupBoxRow kMicEGroup{WL3_TR("Form", "MIC-E Settings"), {165, 53, 225, 40}};
inline constexpr GroupBoxRow kTimeSlottingGroup{WL3_TR("Form", "Time Slotting"),
                                                {165, 95, 225, 25}};
inline constexpr GroupBoxRow kSmartBeaconingGroup{WL3_TR("Form", "SmartBeaconing"),
                                                  {165, 122, 225, 70}};
inline constexpr GroupBoxRow kPowerSwitchGroup{WL3_TR("Form", "Power Switch"), {165, 193, 225, 25}};

// The form's group boxes, in the order of their first controls.
inline constexpr std::array kFormGroups{&kTimingGroup,         &kStatusBeaconGroup,
                                        &kMicEGroup,           &kTimeSlottingGroup,
                                        &kSmartBeaconingGroup, &kPowerSwitchGroup};

template <std::size_t N> using TextMember = PerProfile<TextField<N>> TrackerConfig::*;
using NumberMember = PerProfile<int> TrackerConfig::*;
using CharacterMember = PerProfile<char> TrackerConfig::*;
using FlagMember = PerProfile<bool> TrackerConfig::*;
using SharedNumberMember = int TrackerConfig::*;

// A text's limit is its array's size less the terminator; a text of a new size needs an
// alternative of its own here.
using FieldMember = std::variant<TextMember<TrackerConfig::kCallsignMax + 1>,
                                 TextMember<TrackerConfig::kDigiPathMax + 1>,
                                 TextMember<TrackerConfig::kStatusTextMax + 1>, NumberMember,
                                 CharacterMember, FlagMember, SharedNumberMember>;

// How a check box shows a flag that does not stand alone. The record keeps "timestamp on"
// and "format HMS"; the window shows two boxes, Timestamp DHM and Timestamp HMS, of which
// at most one is checked.
struct FlagView {
    bool (*shown)(const TrackerConfig& config, int p);
    // The boxes are stored in table order, Timestamp DHM first.
    void (*store)(TrackerConfig& config, int p, bool checked);
};

bool timestampDhmShown(const TrackerConfig& config, int p);
bool timestampHmsShown(const TrackerConfig& config, int p);
void storeTimestampDhm(TrackerConfig& config, int p, bool checked);
void storeTimestampHms(TrackerConfig& config, int p, bool checked);

inline constexpr FlagView kTimestampDhmView{&timestampDhmShown, &storeTimestampDhm};
inline constexpr FlagView kTimestampHmsView{&timestampHmsShown, &storeTimestampHms};

// What the tracker's image holds of a field exactly as given. A value outside it would be
// stored as something else (cut short, wrapped to its low bits or clamped), so it is refused
// instead.
struct Holdable {
    enum class Kind {
        Anything,    // every value the record holds
        Number,      // low to high
        Address,     // a callsign: up to six letters or digits, then an SSID of 0 to 15
        AddressList, // a digipeater path: addresses separated by commas
        SlotOffset,  // stored as the auto transmit rate less the offset, plus one
        Character,   // one printable ASCII character, ! to ~
    };
    Kind kind = Kind::Anything;
    int low = 0;
    int high = 0;
    // The flag of the optional block that holds the field; without it nothing is stored.
    FlagMember block = nullptr;
};

inline constexpr Holdable kHoldsAnything{};
inline constexpr Holdable kHoldsOneByte{Holdable::Kind::Number, 0, 255};
inline constexpr Holdable kHoldsTwoBytes{Holdable::Kind::Number, 0, 65535};
// The delays that byte 255 stands for, the longest the tracker stores.
inline constexpr Holdable kHoldsTxDelay{Holdable::Kind::Number, 0, 1700};
inline constexpr Holdable kHoldsQuietTime{Holdable::Kind::Number, 0, 6706};
inline constexpr Holdable kHoldsAddress{Holdable::Kind::Address};
inline constexpr Holdable kHoldsAddressList{Holdable::Kind::AddressList};
inline constexpr Holdable kHoldsCharacter{Holdable::Kind::Character};
inline constexpr Holdable kHoldsSmartBeaconingByte{Holdable::Kind::Number, 0, 255,
                                                   &TrackerConfig::smartBeaconing};
inline constexpr Holdable kHoldsSmartBeaconingTwoBytes{Holdable::Kind::Number, 0, 65535,
                                                       &TrackerConfig::smartBeaconing};
inline constexpr Holdable kHoldsSlotOffset{Holdable::Kind::SlotOffset, 0, 0,
                                           &TrackerConfig::timeSlotting};

struct ProfileField {
    std::string_view key; // the record member's name; the JSON form's key
    FieldMember member;
    Holdable holdable;
    ControlRow control;                 // id 0: the window neither shows nor sets the field
    const GroupBoxRow* group = nullptr; // the group box that holds the control
    const FlagView* view = nullptr;     // a flag that its check box shows otherwise

    bool isShown() const { return control.id != 0; }
    bool isShared() const { return std::holds_alternative<SharedNumberMember>(member); }
    // A number that is an index into the control's list.
    bool isListIndex() const { return !control.items.empty(); }
};

// clang-format off
// In the window's keyboard order, then the fields that the window does not show.
inline constexpr std::array<ProfileField, 38> kProfileFields{{
    {"callsign", &TrackerConfig::callsign, kHoldsAddress, upperCaseEditRow(ids::kCallsign, "callsign", {50, 23, 60, 13}, {WL3_TR("Form", "Callsign:"), {15, 23, 32, 13}})},
    {"digiPath", &TrackerConfig::digiPath, kHoldsAddressList, upperCaseEditRow(ids::kDigiPath, "digiPath", {50, 38, 105, 13}, {WL3_TR("Form", "Digi Path:"), {15, 38, 32, 13}})},
    {"symbol", &TrackerConfig::symbol, kHoldsCharacter, editRow(ids::kSymbol, "symbol", {50, 54, 15, 13}, {WL3_TR("Form", "Symbol:"), {15, 54, 30, 13}})},
    {"symbolTable", &TrackerConfig::symbolTable, kHoldsCharacter, editRow(ids::kSymbolTable, "symbolTable", {130, 54, 15, 13}, {WL3_TR("Form", "Table / Overlay:"), {70, 54, 55, 13}})},
    {"autoTxDelayMs", &TrackerConfig::autoTxDelayMs, kHoldsTxDelay, numberEditRow(ids::kAutoTxDelay, "autoTxDelay", {90, 82, 25, 13}, {WL3_TR("Form", "Auto TX Delay:"), {18, 82, 67, 13}}, {WL3_TR("Form", "milliseconds"), {115, 82, 40, 13}}), &kTimingGroup},
    {"autoRateSec", &TrackerConfig::autoRateSec, kHoldsTwoBytes, numberEditRow(ids::kAutoRate, "autoRate", {90, 97, 25, 13}, {WL3_TR("Form", "Auto Transmit Rate:"), {18, 97, 67, 13}}, {WL3_TR("Form", "seconds"), {115, 97, 40, 13}}), &kTimingGroup},
    {"manualTxDelayMs", &TrackerConfig::manualTxDelayMs, kHoldsTxDelay, numberEditRow(ids::kManualTxDelay, "manualTxDelay", {90, 112, 25, 13}, {WL3_TR("Form", "Manual TX Delay:"), {18, 112, 67, 13}}, {WL3_TR("Form", "milliseconds"), {115, 112, 40, 13}}), &kTimingGroup},
    {"manualRateSec", &TrackerConfig::manualRateSec, kHoldsTwoBytes, numberEditRow(ids::kManualRate, "manualRate", {90, 127, 25, 13}, {WL3_TR("Form", "Manual Transmit Rate:"), {14, 127, 71, 13}}, {WL3_TR("Form", "seconds"), {115, 127, 40, 13}}), &kTimingGroup},
    {"quietTimeMs", &TrackerConfig::quietTimeMs, kHoldsQuietTime, numberEditRow(ids::kQuietTime, "quietTime", {90, 143, 25, 13}, {WL3_TR("Form", "Quiet Time:"), {48, 143, 37, 13}}, {WL3_TR("Form", "milliseconds"), {115, 143, 40, 13}}), &kTimingGroup},
    {"calibration", &TrackerConfig::calibration, kHoldsOneByte, numberEditRow(ids::kCalibration, "calibration", {90, 158, 25, 13}, {WL3_TR("Form", "Calibration:"), {48, 158, 37, 13}}), &kTimingGroup},
    {"statusText", &TrackerConfig::statusText, kHoldsAnything, editRow(ids::kStatusText, "statusText", {35, 188, 119, 13}, {WL3_TR("Form", "Text:"), {15, 188, 18, 13}}), &kStatusBeaconGroup},
    {"statusEvery", &TrackerConfig::statusEvery, kHoldsOneByte, numberEditRow(ids::kStatusEvery, "statusEvery", {55, 215, 20, 13}, {WL3_TR("Form", "Send every:"), {15, 215, 38, 13}}, {WL3_TR("Form", "transmissions"), {80, 215, 55, 13}}), &kStatusBeaconGroup},
    {"sendAltitude", &TrackerConfig::sendAltitude, kHoldsAnything, checkBoxRow(ids::kSendAltitude, "sendAltitude", WL3_TR("Form", "Send Altitude"), {170, 20, 58, 10})},
    {"altDigiPaths", &TrackerConfig::altDigiPaths, kHoldsAnything, checkBoxRow(ids::kAltDigiPaths, "altDigiPaths", WL3_TR("Form", "Alternate Digi Paths"), {240, 20, 75, 10})},
    {"onlySendValid", &TrackerConfig::onlySendValid, kHoldsAnything, checkBoxRow(ids::kOnlySendValid, "onlySendValid", WL3_TR("Form", "Only Send Valid"), {321, 20, 66, 10})},
    {"allowTtlSerial", &TrackerConfig::allowTtlSerial, kHoldsAnything, checkBoxRow(ids::kAllowTtlSerial, "allowTtlSerial", WL3_TR("Form", "Allow TTL Serial"), {170, 31, 67, 10})},
    {"invertCdIn", &TrackerConfig::invertCdIn, kHoldsAnything, checkBoxRow(ids::kInvertCdIn, "invertCdIn", WL3_TR("Form", "Invert CD IN"), {240, 31, 55, 10})},
    {"timestamp", &TrackerConfig::timestamp, kHoldsAnything, checkBoxRow(ids::kTimestampDhm, "timestampDhm", WL3_TR("Form", "Timestamp DHM"), {321, 31, 69, 10}), nullptr, &kTimestampDhmView},
    {"noPttOutWhilePttIn", &TrackerConfig::noPttOutWhilePttIn, kHoldsAnything, checkBoxRow(ids::kNoPttOut, "noPttOutWhilePttIn", WL3_TR("Form", "No PTT Out while PTT In"), {170, 42, 97, 10})},
    {"timestampHms", &TrackerConfig::timestampHms, kHoldsAnything, checkBoxRow(ids::kTimestampHms, "timestampHms", WL3_TR("Form", "Timestamp HMS"), {321, 42, 68, 10}), nullptr, &kTimestampHmsView},
    {"micEEnabled", &TrackerConfig::micEEnabled, kHoldsAnything, checkBoxRow(ids::kMicEEnable, "micEEnable", WL3_TR("Form", "Enable"), {170, 63, 38, 12}), &kMicEGroup},
    {"micEMessage", &TrackerConfig::micEMessage, kHoldsOneByte, listRow(ids::kMicEMessage, "micEMessage", {300, 63, 60, 65}, {WL3_TR("Form", "Message:"), {265, 63, 30, 12}}, kMicEMessageItems), &kMicEGroup},
    {"forcePrintable", &TrackerConfig::forcePrintable, kHoldsAnything, checkBoxRow(ids::kForcePrintable, "forcePrintable", WL3_TR("Form", "Force Printable"), {170, 78, 63, 12}), &kMicEGroup},
    {"micEPath", &TrackerConfig::micEPath, kHoldsOneByte, listRow(ids::kMicEPath, "micEPath", {300, 78, 60, 65}, {WL3_TR("Form", "Path:"), {275, 78, 20, 12}}, kMicEPathItems), &kMicEGroup},
    {"timeSlotting", &TrackerConfig::timeSlotting, kHoldsAnything, checkBoxRow(ids::kTimeSlottingEnable, "timeSlottingEnable", WL3_TR("Form", "Enable"), {170, 105, 38, 10}), &kTimeSlottingGroup},
    {"slotOffsetSec", &TrackerConfig::slotOffsetSec, kHoldsSlotOffset, numberEditRow(ids::kSlotOffset, "slotOffset", {301, 105, 35, 13}, {WL3_TR("Form", "Transmit offset:"), {245, 105, 50, 13}}, {WL3_TR("Form", "seconds"), {341, 105, 30, 13}}), &kTimeSlottingGroup},
    {"smartBeaconing", &TrackerConfig::smartBeaconing, kHoldsAnything, checkBoxRow(ids::kSmartBeaconingEnable, "smartBeaconingEnable", WL3_TR("Form", "Enable"), {170, 132, 38, 10}), &kSmartBeaconingGroup},
    {"minTurnAngleDeg", &TrackerConfig::minTurnAngleDeg, kHoldsSmartBeaconingByte, numberEditRow(ids::kMinTurnAngle, "minTurnAngle", {225, 147, 25, 13}, {WL3_TR("Form", "Min Turn Angle:"), {170, 147, 50, 13}}, {WL3_TR("Form", "degrees"), {255, 147, 30, 13}}), &kSmartBeaconingGroup},
    {"turnSlope", &TrackerConfig::turnSlope, kHoldsSmartBeaconingTwoBytes, numberEditRow(ids::kTurnSlope, "turnSlope", {225, 162, 25, 13}, {WL3_TR("Form", "Turn Slope:"), {170, 162, 50, 13}}), &kSmartBeaconingGroup},
    {"minTurnTimeSec", &TrackerConfig::minTurnTimeSec, kHoldsSmartBeaconingByte, numberEditRow(ids::kMinTurnTime, "minTurnTime", {225, 177, 25, 13}, {WL3_TR("Form", "Min Turn Time:"), {170, 177, 50, 13}}, {WL3_TR("Form", "seconds"), {255, 177, 30, 13}}), &kSmartBeaconingGroup},
    {"slowSpeedMph", &TrackerConfig::slowSpeedMph, kHoldsSmartBeaconingByte, numberEditRow(ids::kSlowSpeed, "slowSpeed", {331, 132, 25, 13}, {WL3_TR("Form", "Slow Speed:"), {285, 132, 40, 13}}, {kMphUnit, {360, 132, 20, 13}}), &kSmartBeaconingGroup},
    {"slowRateSec", &TrackerConfig::slowRateSec, kHoldsSmartBeaconingTwoBytes, numberEditRow(ids::kSlowRate, "slowRate", {331, 147, 25, 13}, {WL3_TR("Form", "Slow Rate:"), {290, 147, 35, 13}}, {WL3_TR("Form", "seconds"), {360, 147, 27, 13}}), &kSmartBeaconingGroup},
    {"fastSpeedMph", &TrackerConfig::fastSpeedMph, kHoldsSmartBeaconingByte, numberEditRow(ids::kFastSpeed, "fastSpeed", {331, 162, 25, 13}, {WL3_TR("Form", "Fast Speed:"), {285, 162, 40, 13}}, {kMphUnit, {360, 162, 20, 13}}), &kSmartBeaconingGroup},
    {"fastRateSec", &TrackerConfig::fastRateSec, kHoldsSmartBeaconingTwoBytes, numberEditRow(ids::kFastRate, "fastRate", {331, 177, 25, 13}, {WL3_TR("Form", "Fast Rate:"), {290, 177, 35, 13}}, {WL3_TR("Form", "seconds"), {360, 177, 28, 13}}), &kSmartBeaconingGroup},
    {"powerSwitch", &TrackerConfig::powerSwitch, kHoldsAnything, checkBoxRow(ids::kPowerSwitchEnable, "powerSwitchEnable", WL3_TR("Form", "Enable"), {169, 204, 38, 10}), &kPowerSwitchGroup},
    {"powerSwitchTimeSec", &TrackerConfig::powerSwitchTimeSec, kHoldsOneByte, numberEditRow(ids::kPowerSwitchTime, "powerSwitchTime", {301, 202, 35, 13}, {WL3_TR("Form", "Power Switch Time:"), {225, 202, 70, 13}}, {WL3_TR("Form", "seconds"), {341, 202, 30, 13}}), &kPowerSwitchGroup},
    // Derived by the encoder from the auto transmit rate.
    {"rateDivides60", &TrackerConfig::rateDivides60, kHoldsAnything, {}},
    {"rateDivides600", &TrackerConfig::rateDivides600, kHoldsAnything, {}},
}};
// clang-format on

// Calls visitor with the field's value in profile p, as the record holds it: an int, a
// char, a bool or a TextField. A shared field has one value for both profiles.
template <typename Config, typename Visitor>
decltype(auto) visitValue(Config& config, const ProfileField& field, int p, Visitor&& visitor) {
    return std::visit(
        [&](auto member) -> decltype(auto) {
            if constexpr (std::is_same_v<decltype(member), SharedNumberMember>) {
                return visitor(config.*member);
            } else {
                return visitor((config.*member)[p]);
            }
        },
        field.member);
}

// One visitor out of several lambdas, one for each kind of value.
template <typename... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };
// Spelt out for compilers that do not deduce an aggregate's arguments.
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

// Every per-profile member of one type, for code that treats them all alike (generators of
// test records, say).
template <typename Member> constexpr auto profileMembersOf() {
    constexpr auto count = static_cast<std::size_t>(
        std::ranges::count_if(kProfileFields, [](const ProfileField& field) {
            return std::holds_alternative<Member>(field.member);
        }));
    std::array<Member, count> members{};
    auto next = members.begin();
    // std::get rather than std::get_if: GCC's sanitizer builds cannot evaluate the latter's
    // pointer test in a constant expression.
    for (const ProfileField& field : kProfileFields) {
        if (std::holds_alternative<Member>(field.member)) {
            *next++ = std::get<Member>(field.member);
        }
    }
    return members;
}

inline constexpr auto kProfileNumbers = profileMembersOf<NumberMember>();
inline constexpr auto kProfileFlags = profileMembersOf<FlagMember>();

} // namespace wl3
