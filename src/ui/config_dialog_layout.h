#pragma once

#include "ui/dialog_units.h"

#include <array>
#include <span>
#include <string_view>

namespace wl3::ui {

enum ControlId : int {
    kExit = 1,
    kReadConfiguration = 1000,
    kWriteConfiguration = 1001,
    kReadVersion = 1002,
    kComPort = 1003,
    kStopSending = 1004,
    kSend1200Hz = 1005,
    kSend2200Hz = 1006,
    kSendBoth = 1007,
    kCallsign = 1008,
    kDigiPath = 1009,
    kStatusText = 1010,
    kAutoTxDelay = 1011,
    kManualTxDelay = 1012,
    kSave = 1013,
    kSymbol = 1014,
    kSymbolTable = 1015,
    kStatusEvery = 1016,
    kAutoRate = 1017,
    kCalibration = 1018,
    kSlowSpeed = 1019,
    kSlotOffset = 1020,
    kFastSpeed = 1021,
    kSlowRate = 1022,
    kFastRate = 1023,
    kMinTurnAngle = 1024,
    kTurnSlope = 1025,
    kMinTurnTime = 1026,
    kMicEMessage = 1027,
    kMicEPath = 1028,
    kForcePrintable = 1029,
    kOnlySendValid = 1030,
    kMicEEnable = 1031,
    kTimeSlottingEnable = 1032,
    kSmartBeaconingEnable = 1033,
    kProfileTabs = 1034,
    kQuietTime = 1035,
    kSendAltitude = 1036,
    kManualRate = 1037,
    kPowerSwitchEnable = 1038,
    kPowerSwitchTime = 1039,
    kTimestampDhm = 1040,
    kAllowTtlSerial = 1041,
    kAltDigiPaths = 1042,
    kLoad = 1043,
    kInvertCdIn = 1044,
    kNoPttOut = 1045,
    kTimestampHms = 1046,
};

enum class ControlKind { Edit, CheckBox, ComboBox, PushButton, TabControl };

enum class InputRule { None, UpperCase, DigitsOnly };

// A static text beside a control; no text means there is none.
struct Caption {
    std::string_view text;
    DuRect rect;
};

// One control of the window, with the label to its left and the unit label to its right.
// For a drop-down list the height is that of the opened list.
struct ControlRow {
    int id;
    std::string_view name;
    ControlKind kind;
    InputRule input;
    std::string_view text;
    DuRect rect;
    Caption label;
    Caption unit;
};

struct GroupBoxRow {
    std::string_view title;
    DuRect rect;
};

inline constexpr std::string_view kWindowTitle = "Wrenlink3Config";
inline constexpr DuRect kClientSize{0, 0, 402, 271};
inline constexpr Caption kWebAddress{"", {339, 226, 58, 13}};

// In keyboard order.
std::span<const ControlRow> configDialogRows();
std::span<const GroupBoxRow> configDialogGroupBoxes();

inline constexpr std::array<std::string_view, 8> kMicEMessageItems{
    "Off Duty",  "En Route", "In Service", "Returning",
    "Committed", "Special",  "Priority",   "Emergency!",
};

// In the order of the path codes that MIC-E carries in its destination SSID.
inline constexpr std::array<std::string_view, 16> kMicEPathItems{
    "Conventional", "WIDE-1",       "WIDE-2",      "WIDE-3",      "WIDE-4", "WIDE-5",
    "WIDE-6",       "WIDE-7",       "North",       "South",       "East",   "West",
    "North + WIDE", "South + WIDE", "East + WIDE", "West + WIDE",
};

inline constexpr std::array<std::string_view, 4> kComPortItems{"COM1", "COM2", "COM3", "COM4"};

inline constexpr std::array<std::string_view, 2> kProfileTabTexts{"Primary", "Seconday"};

} // namespace wl3::ui
