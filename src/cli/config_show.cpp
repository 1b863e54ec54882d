#include "cli/config_show.h"

#include "config/profile_fields.h"
#include "formats/text_encoding.h"
#include "wording/wording.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

namespace wl3 {

namespace {

constexpr std::size_t kLabelWidth = 25;
constexpr std::size_t kValueWidth = 26;
constexpr std::string_view kGap = "  ";

std::string checkBox(bool checked) {
    return checked ? "[x]" : "[ ]";
}

std::string number(int value, std::string_view unit = {}) {
    std::string text = std::to_string(value);
    if (!unit.empty()) {
        text += ' ';
        text += unit;
    }
    return text;
}

std::string character(char c) {
    return c == '\0' ? std::string() : printableText(std::string_view(&c, 1));
}

std::string listItem(std::span<const std::string_view> items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return "(none: index " + std::to_string(index) + ")";
    }
    return std::string(items[static_cast<std::size_t>(index)]);
}

// The field in profile p as the window shows it; the symbol followed by its name, which
// the window shows beside it.
std::string shownValue(const TrackerConfig& config, const ProfileField& field, int p) {
    if (field.key == "symbol") {
        const std::string shown = character(config.symbol[p]);
        const std::string name = english(symbolWording(config.symbolTable[p], config.symbol[p]));
        return shown.empty() ? name : shown + ' ' + name;
    }
    return visitValue(
        config, field, p,
        Overloaded{
            []<std::size_t N>(const TextField<N>& text) { return printableText(textOf(text)); },
            [](const char& c) { return character(c); },
            [&](const int& value) {
                return field.isListIndex() ? listItem(field.control.items, value)
                                           : number(value, field.control.unit.text);
            },
            [&](const bool& flag) {
                return checkBox(field.view != nullptr ? field.view->shown(config, p) : flag);
            },
        });
}

// Labels of check boxes are their own texts.
std::string_view labelOf(const ProfileField& field) {
    return field.control.label.text.empty() ? field.control.text : field.control.label.text;
}

std::size_t columnsOf(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// utf8 cut into pieces of at most width characters; one empty piece for an empty text.
std::vector<std::string> wrap(std::string_view utf8, std::size_t width) {
    std::vector<std::string> pieces{std::string()};
    std::size_t columns = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (utf8[i] & 0xC0) != 0x80;
        if (startsCharacter && columns == width) {
            pieces.emplace_back();
            columns = 0;
        }
        pieces.back() += utf8[i];
        columns += startsCharacter ? 1 : 0;
    }
    return pieces;
}

void padTo(std::string& line, std::size_t columns) {
    line.append(columns - std::min(columns, columnsOf(line)), ' ');
}

void appendLine(std::string& out, std::string_view label, std::string_view primary,
                std::string_view secondary) {
    std::string line(label);
    padTo(line, kLabelWidth);
    line += primary;
    if (!secondary.empty()) {
        padTo(line, kLabelWidth + kValueWidth);
        line += kGap;
        line += secondary;
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    out += line;
    out += '\n';
}

void appendField(std::string& out, const TrackerConfig& config, const ProfileField& field,
                 std::string_view indent) {
    const std::string label = std::string(indent) + std::string(labelOf(field));
    const auto primary = wrap(shownValue(config, field, kPrimary), kValueWidth);
    const auto secondary = wrap(shownValue(config, field, kSecondary), kValueWidth);
    for (std::size_t i = 0; i < std::max(primary.size(), secondary.size()); ++i) {
        appendLine(out, i == 0 ? std::string_view(label) : std::string_view(),
                   i < primary.size() ? primary[i] : "", i < secondary.size() ? secondary[i] : "");
    }
}

bool inProfileRows(const ProfileField& field) {
    return field.isShown() && !field.isShared();
}

} // namespace

// The controls outside any group box first, then each group under its title, indented like
// the form's boxes; the shared calibration last.
std::string formatConfig(const TrackerConfig& config) {
    std::string out;
    appendLine(out, "", kProfileTabTexts[kPrimary], kProfileTabTexts[kSecondary]);
    for (const ProfileField& field : kProfileFields) {
        if (inProfileRows(field) && field.group == nullptr) {
            appendField(out, config, field, "");
        }
    }
    for (const GroupBoxRow* group : kFormGroups) {
        appendLine(out, group->title, "", "");
        for (const ProfileField& field : kProfileFields) {
            if (inProfileRows(field) && field.group == group) {
                appendField(out, config, field, "  ");
            }
        }
    }
    out += '\n';
    for (const ProfileField& field : kProfileFields) {
        if (field.isShared()) {
            appendLine(out, labelOf(field),
                       shownValue(config, field, kPrimary) + " (both profiles)", "");
        }
    }
    return out;
}

} // namespace wl3
