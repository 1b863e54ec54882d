#pragma once

#include <span>
#include <string_view>

// The window's description of its controls, in dialog units. It has no toolkit in it, so
// that the command-line tool can show a configuration under the window's labels.
namespace wl3 {

// A rectangle in dialog units: a horizontal unit is a quarter of the window font's average
// character width, a vertical unit an eighth of its height.
struct DuRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind { Edit, CheckBox, ComboBox, PushButton, TabControl };

enum class InputRule { None, UpperCase, DigitsOnly };

// The closed field of a drop-down list is as tall as an edit; the rest of its row's height
// is the opened list.
inline constexpr int kListFieldHeight = 13;

// A static text beside a control; no text means there is none.
struct Caption {
    std::string_view text;
    DuRect rect;
};

// One control of the window, with the label to its left and the unit label to its right.
// For a drop-down list the height is that of the opened list.
struct ControlRow {
    int id = 0;
    std::string_view name; // the widget's object name
    ControlKind kind = ControlKind::Edit;
    InputRule input = InputRule::None;
    std::string_view text; // of a check box or a push button
    DuRect rect;
    Caption label;
    Caption unit;
    std::span<const std::string_view> items; // of a drop-down list, or the tabs' texts
};

struct GroupBoxRow {
    std::string_view title;
    DuRect rect;
};

// Rows of each kind, so that a table of them reads like the window description.

constexpr ControlRow editRow(int id, std::string_view name, DuRect rect, Caption label) {
    return {id, name, ControlKind::Edit, InputRule::None, {}, rect, label, {}, {}};
}

constexpr ControlRow upperCaseEditRow(int id, std::string_view name, DuRect rect, Caption label) {
    return {id, name, ControlKind::Edit, InputRule::UpperCase, {}, rect, label, {}, {}};
}

constexpr ControlRow numberEditRow(int id, std::string_view name, DuRect rect, Caption label,
                                   Caption unit = {}) {
    return {id, name, ControlKind::Edit, InputRule::DigitsOnly, {}, rect, label, unit, {}};
}

constexpr ControlRow checkBoxRow(int id, std::string_view name, std::string_view text,
                                 DuRect rect) {
    return {id, name, ControlKind::CheckBox, InputRule::None, text, rect, {}, {}, {}};
}

constexpr ControlRow listRow(int id, std::string_view name, DuRect rect, Caption label,
                             std::span<const std::string_view> items) {
    return {id, name, ControlKind::ComboBox, InputRule::None, {}, rect, label, {}, items};
}

constexpr ControlRow pushButtonRow(int id, std::string_view name, std::string_view text,
                                   DuRect rect) {
    return {id, name, ControlKind::PushButton, InputRule::None, text, rect, {}, {}, {}};
}

constexpr ControlRow tabsRow(int id, std::string_view name, DuRect rect,
                             std::span<const std::string_view> texts) {
    return {id, name, ControlKind::TabControl, InputRule::None, {}, rect, {}, {}, texts};
}

} // namespace wl3
