#pragma once

#include "config/form_layout.h"
#include "config/profile_fields.h"
#include "link/port_choice.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
inline constexpr int kCompare = 1047;
// The button with the symbol's picture, which opens the symbol picker.
inline constexpr int kSymbolPick = 1048;

} // namespace wl3::ids

namespace wl3::ui {

inline constexpr std::string_view kWindowTitle = "Wrenlink3Config";
inline constexpr DuRect kClientSize{0, 0, 402, 309};
// Above Compare, which the window's own table left no room for beside Save and Load.
inline constexpr Caption kWebAddress{"", {339, 238, 58, 8}};
// The line about the device behind the chosen COM entry, when adapters come and go.
inline constexpr DuRect kPortNoticeRect{10, 296, 387, 10};

// The button with the symbol's picture, beside the Table / Overlay edit.
inline constexpr DuRect kSymbolPickRect{147, 54, 13, 13};
// Beneath the symbol's edits, in a smaller type, the name of what they give, in the room
// above the Timing group's frame.
inline constexpr DuRect kSymbolNameRect{50, 67, 110, 7};

// Under the status text, how many characters the tracker's memory still has room for, which
// both profiles' callsigns, paths and texts share; or how many too many, and whose text
// loses them.
inline constexpr DuRect kTextRoomRect{35, 202, 119, 10};
inline constexpr std::string_view kCharactersLeft = WL3_TR("Form", "%1 characters left");
//: %1 how many characters too many, %2 the tab name of the profile whose text is cut.
inline constexpr std::string_view kCharactersCut = WL3_TR("Form", "%1 too many: %2 text cut");
inline constexpr std::string_view kCharactersCutFromBoth =
    WL3_TR("Form", "%1 too many: both texts cut");

// In the Tone Test group, from the moment a tone starts until a stop ends it: the radio is
// transmitting. Two lines, as long words wrap.
inline constexpr DuRect kToneNoticeRect{168, 273, 120, 18};

// Every control: the form's, then the window's own, in keyboard order.
std::span<const ControlRow> configDialogRows();
std::span<const GroupBoxRow> configDialogGroupBoxes();

// What the texts of the layout need, in dialog units, in the language and the font in use.
struct TextNeeds {
    std::function<int(std::string_view text)> caption; // a label or a unit label
    std::function<int(std::string_view text)> checkBox;
    std::function<int(std::string_view text)> pushButton;
    std::function<int(std::string_view title)> groupBox;
    std::function<int(std::span<const std::string_view> items)> list;
    std::function<int(std::span<const std::string_view> texts)> tabs;
    // The widest hint of a speed in km/h beside the MPH fields; 0 shows none.
    int speedHint = 0;
};

// The km/h hint beside an MPH field.
struct SpeedHintRow {
    int editId = 0;
    std::string name; // the hint's object name
    DuRect rect;
};

// The window laid out for its texts: the tables' rectangles where every text fits them, as
// English does, else widened and moved until each fits (fitted_layout.h).
struct DialogLayout {
    std::vector<ControlRow> rows; // as configDialogRows
    std::vector<GroupBoxRow> groups;
    std::vector<SpeedHintRow> speedHints;
    DuRect client = kClientSize;
    DuRect portNotice = kPortNoticeRect;
    DuRect webAddress = kWebAddress.rect;
    DuRect symbolPick = kSymbolPickRect;
    DuRect symbolName = kSymbolNameRect;
    DuRect textRoom = kTextRoomRect;
    DuRect toneNotice = kToneNoticeRect;
};

DialogLayout configDialogLayout(const TextNeeds& needs);

} // namespace wl3::ui
