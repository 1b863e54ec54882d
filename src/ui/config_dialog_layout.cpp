#include "ui/config_dialog_layout.h"

#include "ui/fitted_layout.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace wl3::ui {

namespace {

// Each button's text marks the letter that presses it with Alt; a translation marks a letter
// of its own words, no two buttons the same.
// clang-format off
constexpr std::array<ControlRow, 13> kWindowRows{{
    tabsRow(ids::kProfileTabs, "profileTabs", {5, 5, 390, 228}, kProfileTabTexts),
    listRow(ids::kComPort, "comPort", {15, 246, 65, 65}, {}, kComPortNames),
    pushButtonRow(ids::kReadVersion, "readVersion", WL3_TR("Form", "Read &Version"), {15, 261, 65, 12}),
    pushButtonRow(ids::kReadConfiguration, "readConfiguration", WL3_TR("Form", "&Read Configuration"), {90, 246, 65, 12}),
    pushButtonRow(ids::kWriteConfiguration, "writeConfiguration", WL3_TR("Form", "&Write Configuration"), {90, 261, 65, 12}),
    pushButtonRow(ids::kSend1200Hz, "send1200Hz", WL3_TR("Form", "Send &1200 Hz"), {169, 246, 54, 12}),
    pushButtonRow(ids::kSend2200Hz, "send2200Hz", WL3_TR("Form", "Send &2200 Hz"), {169, 261, 54, 12}),
    pushButtonRow(ids::kSendBoth, "sendBoth", WL3_TR("Form", "Send &Both"), {233, 246, 54, 12}),
    pushButtonRow(ids::kStopSending, "stopSending", WL3_TR("Form", "S&top Sending"), {233, 261, 54, 12}),
    pushButtonRow(ids::kExit, "exit", WL3_TR("Form", "E&xit"), {350, 264, 40, 12}),
    pushButtonRow(ids::kSave, "save", WL3_TR("Form", "&Save"), {298, 246, 35, 12}),
    pushButtonRow(ids::kLoad, "load", WL3_TR("Form", "&Load"), {298, 261, 35, 12}),
    pushButtonRow(ids::kCompare, "compare", WL3_TR("Form", "&Compare…"), {350, 246, 40, 12}),
}};
// clang-format on

constexpr std::array<GroupBoxRow, 2> kWindowGroupBoxes{{
    {WL3_TR("Form", "Configure"), {10, 236, 150, 40}},
    {WL3_TR("Form", "Tone Test"), {163, 236, 130, 58}},
}};

} // namespace

std::span<const ControlRow> configDialogRows() {
    static const std::vector<ControlRow> rows = [] {
        std::vector<ControlRow> all;
        for (const ProfileField& field : kProfileFields) {
            if (field.isShown()) {
                all.push_back(field.control);
            }
        }
        all.insert(all.end(), kWindowRows.begin(), kWindowRows.end());
        return all;
    }();
    return rows;
}

std::span<const GroupBoxRow> configDialogGroupBoxes() {
    static const std::vector<GroupBoxRow> groups = [] {
        std::vector<GroupBoxRow> all;
        all.reserve(kFormGroups.size() + kWindowGroupBoxes.size());
        std::ranges::transform(kFormGroups, std::back_inserter(all),
                               [](const GroupBoxRow* group) { return *group; });
        all.insert(all.end(), kWindowGroupBoxes.begin(), kWindowGroupBoxes.end());
        return all;
    }();
    return groups;
}

} // namespace wl3::ui

namespace wl3::ui {

namespace {

// Between an MPH label and its km/h hint, in dialog units.
constexpr int kSpeedHintGap = 2;

int neededWidth(const ControlRow& row, const TextNeeds& needs) {
    switch (row.kind) {
    case ControlKind::CheckBox:
        return needs.checkBox(row.text);
    case ControlKind::PushButton:
        return needs.pushButton(row.text);
    case ControlKind::ComboBox:
        return needs.list(row.items);
    case ControlKind::TabControl:
        return needs.tabs(row.items);
    case ControlKind::Edit:
        break;
    }
    return 0;
}

// Where a row's parts stand among the boxes that are fitted.
struct RowBoxes {
    std::size_t control = 0;
    std::optional<std::size_t> label;
    std::optional<std::size_t> unit;
};

} // namespace

DialogLayout configDialogLayout(const TextNeeds& needs) {
    DialogLayout layout;
    layout.rows.assign(configDialogRows().begin(), configDialogRows().end());
    layout.groups.assign(configDialogGroupBoxes().begin(), configDialogGroupBoxes().end());

    std::vector<FitBox> boxes;
    const auto add = [&boxes](FitBox box) {
        boxes.push_back(box);
        return boxes.size() - 1;
    };
    std::vector<RowBoxes> rowBoxes;
    std::vector<std::size_t> hintBoxes;
    for (const ControlRow& row : layout.rows) {
        DuRect rect = row.rect;
        if (row.kind == ControlKind::ComboBox) {
            rect.height = kListFieldHeight;
        }
        RowBoxes parts;
        parts.control = add({rect, neededWidth(row, needs), Growth::Rightward,
                             row.kind == ControlKind::TabControl});
        if (!row.label.text.empty()) {
            parts.label = add({row.label.rect, needs.caption(row.label.text), Growth::Leftward});
        }
        if (!row.unit.text.empty()) {
            parts.unit = add({row.unit.rect, needs.caption(row.unit.text)});
        }
        if (needs.speedHint > 0 && row.unit.text == kMphUnit) {
            const DuRect& unit = row.unit.rect;
            layout.speedHints.push_back(
                {row.id,
                 std::string(row.name) + "Kmh",
                 {unit.x + unit.width + kSpeedHintGap, unit.y, 1, unit.height}});
            hintBoxes.push_back(add({layout.speedHints.back().rect, needs.speedHint}));
        }
        rowBoxes.push_back(parts);
    }
    const std::size_t firstGroup = boxes.size();
    for (const GroupBoxRow& group : layout.groups) {
        add({group.rect, needs.groupBox(group.title), Growth::Rightward, true});
    }
    const std::size_t portNotice = add({layout.portNotice});
    const std::size_t webAddress = add({layout.webAddress});
    const std::size_t symbolPick = add({layout.symbolPick});
    const std::size_t symbolName = add({layout.symbolName});
    const std::size_t toneNotice = add({layout.toneNotice});
    const std::size_t textRoom = add(
        {layout.textRoom, std::max({needs.caption(kCharactersLeft), needs.caption(kCharactersCut),
                                    needs.caption(kCharactersCutFromBoth)})});
    const std::size_t client = add({layout.client, 0, Growth::Rightward, true});

    const std::vector<DuRect> fitted = fitLayout(boxes);
    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
        ControlRow& row = layout.rows[i];
        const int height = row.rect.height;
        row.rect = fitted[rowBoxes[i].control];
        row.rect.height = height;
        if (rowBoxes[i].label) {
            row.label.rect = fitted[*rowBoxes[i].label];
        }
        if (rowBoxes[i].unit) {
            row.unit.rect = fitted[*rowBoxes[i].unit];
        }
    }
    for (std::size_t i = 0; i < layout.speedHints.size(); ++i) {
        layout.speedHints[i].rect = fitted[hintBoxes[i]];
    }
    for (std::size_t i = 0; i < layout.groups.size(); ++i) {
        layout.groups[i].rect = fitted[firstGroup + i];
    }
    layout.portNotice = fitted[portNotice];
    layout.webAddress = fitted[webAddress];
    layout.symbolPick = fitted[symbolPick];
    layout.symbolName = fitted[symbolName];
    layout.textRoom = fitted[textRoom];
    layout.toneNotice = fitted[toneNotice];
    layout.client = fitted[client];
    return layout;
}

} // namespace wl3::ui
