#pragma once

#include "config/form_layout.h"
#include "config/profile_fields.h"
#include "link/port_choice.h"

#include <array>
#include <span>
#include <string_view>

// The window's own controls, beside the form's in the table of profile fields.
namespace wl3::ids {

inline constexpr int kExit = 1;
inline constexpr int kReadConfiguration = 1000;
inline constexpr int kWriteConfiguration = 1001;
inline constexpr int kReadVersion = 1002;
inline constexpr int kComPort = 1003;
inline constexpr int kStopSending = 1004;
inline constexpr int kSend1200Hz = 1005;
inline constexpr int kSend2200Hz = 1006;
inline constexpr int kSendBoth = 1007;
inline constexpr int kSave = 1013;
inline constexpr int kProfileTabs = 1034;
inline constexpr int kLoad = 1043;

} // namespace wl3::ids

namespace wl3::ui {

inline constexpr std::string_view kWindowTitle = "Wrenlink3Config";
inline constexpr DuRect kClientSize{0, 0, 402, 279};
inline constexpr Caption kWebAddress{"", {339, 226, 58, 13}};
// The line about the device behind the chosen COM entry, when adapters come and go.
inline constexpr DuRect kPortNoticeRect{10, 266, 387, 10};

// Every control: the form's, then the window's own, in keyboard order.
std::span<const ControlRow> configDialogRows();
std::span<const GroupBoxRow> configDialogGroupBoxes();

} // namespace wl3::ui
