#include "ui/config_dialog_layout.h"

namespace wl3::ui {

namespace {

using enum ControlKind;
using enum InputRule;

constexpr std::array<ControlRow, 48> kRows{{
    // clang-format off
    // id, name, kind, input, text, rect, label, unit label
    {kCallsign, "callsign", Edit, UpperCase, "", {50, 23, 60, 13}, {"Callsign:", {15, 23, 32, 13}}, {}},
    {kDigiPath, "digiPath", Edit, UpperCase, "", {50, 38, 105, 13}, {"Digi Path:", {15, 38, 32, 13}}, {}},
    {kSymbol, "symbol", Edit, None, "", {50, 54, 15, 13}, {"Symbol:", {15, 54, 30, 13}}, {}},
    {kSymbolTable, "symbolTable", Edit, None, "", {130, 54, 15, 13}, {"Table / Overlay:", {70, 54, 55, 13}}, {}},
    {kAutoTxDelay, "autoTxDelay", Edit, DigitsOnly, "", {90, 82, 25, 13}, {"Auto TX Delay:", {18, 82, 67, 13}}, {"milliseconds", {115, 82, 40, 13}}},
    {kAutoRate, "autoRate", Edit, DigitsOnly, "", {90, 97, 25, 13}, {"Auto Transmit Rate:", {18, 97, 67, 13}}, {"seconds", {115, 97, 40, 13}}},
    {kManualTxDelay, "manualTxDelay", Edit, DigitsOnly, "", {90, 112, 25, 13}, {"Manual TX Delay:", {18, 112, 67, 13}}, {"milliseconds", {115, 112, 40, 13}}},
    {kManualRate, "manualRate", Edit, DigitsOnly, "", {90, 127, 25, 13}, {"Manual Transmit Rate:", {14, 127, 71, 13}}, {"seconds", {115, 127, 40, 13}}},
    {kQuietTime, "quietTime", Edit, DigitsOnly, "", {90, 143, 25, 13}, {"Quiet Time:", {48, 143, 37, 13}}, {"milliseconds", {115, 143, 40, 13}}},
    {kCalibration, "calibration", Edit, DigitsOnly, "", {90, 158, 25, 13}, {"Calibration:", {48, 158, 37, 13}}, {}},
    {kStatusText, "statusText", Edit, None, "", {35, 188, 119, 13}, {"Text:", {15, 188, 18, 13}}, {}},
    {kStatusEvery, "statusEvery", Edit, DigitsOnly, "", {55, 203, 20, 13}, {"Send every:", {15, 203, 38, 13}}, {"transmissions", {80, 203, 55, 13}}},
    {kSendAltitude, "sendAltitude", CheckBox, None, "Send Altitude", {170, 20, 58, 10}, {}, {}},
    {kAltDigiPaths, "altDigiPaths", CheckBox, None, "Alternate Digi Paths", {240, 20, 75, 10}, {}, {}},
    {kOnlySendValid, "onlySendValid", CheckBox, None, "Only Send Valid", {321, 20, 66, 10}, {}, {}},
    {kAllowTtlSerial, "allowTtlSerial", CheckBox, None, "Allow TTL Serial", {170, 31, 67, 10}, {}, {}},
    {kInvertCdIn, "invertCdIn", CheckBox, None, "Invert CD IN", {240, 31, 55, 10}, {}, {}},
    {kTimestampDhm, "timestampDhm", CheckBox, None, "Timestamp DHM", {321, 31, 69, 10}, {}, {}},
    {kNoPttOut, "noPttOutWhilePttIn", CheckBox, None, "No PTT Out while PTT In", {170, 42, 97, 10}, {}, {}},
    {kTimestampHms, "timestampHms", CheckBox, None, "Timestamp HMS", {321, 42, 68, 10}, {}, {}},
    {kMicEEnable, "micEEnable", CheckBox, None, "Enable", {170, 63, 38, 12}, {}, {}},
    {kMicEMessage, "micEMessage", ComboBox, None, "", {300, 63, 60, 65}, {"Message:", {265, 63, 30, 12}}, {}},
    {kForcePrintable, "forcePrintable", CheckBox, None, "Force Printable", {170, 78, 63, 12}, {}, {}},
    {kMicEPath, "micEPath", ComboBox, None, "", {300, 78, 60, 65}, {"Path:", {275, 78, 20, 12}}, {}},
    {kTimeSlottingEnable, "timeSlottingEnable", CheckBox, None, "Enable", {170, 105, 38, 10}, {}, {}},
    {kSlotOffset, "slotOffset", Edit, DigitsOnly, "", {301, 105, 35, 13}, {"Transmit offset:", {245, 105, 50, 13}}, {"seconds", {341, 105, 30, 13}}},
    {kSmartBeaconingEnable, "smartBeaconingEnable", CheckBox, None, "Enable", {170, 132, 38, 10}, {}, {}},
    {kMinTurnAngle, "minTurnAngle", Edit, DigitsOnly, "", {225, 147, 25, 13}, {"Min Turn Angle:", {170, 147, 50, 13}}, {"degrees", {255, 147, 30, 13}}},
    {kTurnSlope, "turnSlope", Edit, DigitsOnly, "", {225, 162, 25, 13}, {"Turn Slope:", {170, 162, 50, 13}}, {}},
    {kMinTurnTime, "minTurnTime", Edit, DigitsOnly, "", {225, 177, 25, 13}, {"Min Turn Time:", {170, 177, 50, 13}}, {"seconds", {255, 177, 30, 13}}},
    {kSlowSpeed, "slowSpeed", Edit, DigitsOnly, "", {331, 132, 25, 13}, {"Slow Speed:", {285, 132, 40, 13}}, {"MPH", {360, 132, 20, 13}}},
    {kSlowRate, "slowRate", Edit, DigitsOnly, "", {331, 147, 25, 13}, {"Slow Rate:", {290, 147, 35, 13}}, {"seconds", {360, 147, 27, 13}}},
    {kFastSpeed, "fastSpeed", Edit, DigitsOnly, "", {331, 162, 25, 13}, {"Fast Speed:", {285, 162, 40, 13}}, {"MPH", {360, 162, 20, 13}}},
    {kFastRate, "fastRate", Edit, DigitsOnly, "", {331, 177, 25, 13}, {"Fast Rate:", {290, 177, 35, 13}}, {"seconds", {360, 177, 28, 13}}},
    {kPowerSwitchEnable, "powerSwitchEnable", CheckBox, None, "Enable", {169, 204, 38, 10}, {}, {}},
    {kPowerSwitchTime, "powerSwitchTime", Edit, DigitsOnly, "", {301, 202, 35, 13}, {"Power Switch Time:", {225, 202, 70, 13}}, {"seconds", {341, 202, 30, 13}}},
    {kProfileTabs, "profileTabs", TabControl, None, "", {5, 5, 390, 216}, {}, {}},
    {kComPort, "comPort", ComboBox, None, "", {15, 234, 65, 65}, {}, {}},
    {kReadVersion, "readVersion", PushButton, None, "Read Version", {15, 249, 65, 12}, {}, {}},
    {kReadConfiguration, "readConfiguration", PushButton, None, "Read Configuration", {90, 234, 65, 12}, {}, {}},
    {kWriteConfiguration, "writeConfiguration", PushButton, None, "Write Configuration", {90, 249, 65, 12}, {}, {}},
    {kSend1200Hz, "send1200Hz", PushButton, None, "Send 1200 Hz", {169, 234, 54, 12}, {}, {}},
    {kSend2200Hz, "send2200Hz", PushButton, None, "Send 2200 Hz", {169, 249, 54, 12}, {}, {}},
    {kSendBoth, "sendBoth", PushButton, None, "Send Both", {233, 234, 54, 12}, {}, {}},
    {kStopSending, "stopSending", PushButton, None, "Stop Sending", {233, 249, 54, 12}, {}, {}},
    {kExit, "exit", PushButton, None, "Exit", {350, 252, 40, 12}, {}, {}},
    {kSave, "save", PushButton, None, "Save", {298, 234, 35, 12}, {}, {}},
    {kLoad, "load", PushButton, None, "Load", {298, 249, 35, 12}, {}, {}},
    // clang-format on
}};

constexpr std::array<GroupBoxRow, 8> kGroupBoxes{{
    {"Timing", {10, 72, 150, 105}},
    {"Status Beacon", {10, 178, 150, 40}},
    {"MIC-E Settings", {165, 53, 225, 40}},
    {"Time Slotting", {165, 95, 225, 25}},
    {"SmartBeaconing", {165, 122, 225, 70}},
    {"Power Switch", {165, 193, 225, 25}},
    {"Configure", {10, 224, 150, 40}},
    {"Tone Test", {163, 224, 130, 40}},
}};

} // namespace

std::span<const ControlRow> configDialogRows() {
    return kRows;
}

std::span<const GroupBoxRow> configDialogGroupBoxes() {
    return kGroupBoxes;
}

} // namespace wl3::ui
