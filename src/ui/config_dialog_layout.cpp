#include "ui/config_dialog_layout.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace wl3::ui {

namespace {

// Each button's text marks the letter that presses it with Alt.
// clang-format off
constexpr std::array<ControlRow, 12> kWindowRows{{
    tabsRow(ids::kProfileTabs, "profileTabs", {5, 5, 390, 216}, kProfileTabTexts),
    listRow(ids::kComPort, "comPort", {15, 234, 65, 65}, {}, kComPortNames),
    pushButtonRow(ids::kReadVersion, "readVersion", "Read &Version", {15, 249, 65, 12}),
    pushButtonRow(ids::kReadConfiguration, "readConfiguration", "&Read Configuration", {90, 234, 65, 12}),
    pushButtonRow(ids::kWriteConfiguration, "writeConfiguration", "&Write Configuration", {90, 249, 65, 12}),
    pushButtonRow(ids::kSend1200Hz, "send1200Hz", "Send &1200 Hz", {169, 234, 54, 12}),
    pushButtonRow(ids::kSend2200Hz, "send2200Hz", "Send &2200 Hz", {169, 249, 54, 12}),
    pushButtonRow(ids::kSendBoth, "sendBoth", "Send &Both", {233, 234, 54, 12}),
    pushButtonRow(ids::kStopSending, "stopSending", "S&top Sending", {233, 249, 54, 12}),
    pushButtonRow(ids::kExit, "exit", "E&xit", {350, 252, 40, 12}),
    pushButtonRow(ids::kSave, "save", "&Save", {298, 234, 35, 12}),
    pushButtonRow(ids::kLoad, "load", "&Load", {298, 249, 35, 12}),
}};
// clang-format on

constexpr std::array<GroupBoxRow, 2> kWindowGroupBoxes{{
    {"Configure", {10, 224, 150, 40}},
    {"Tone Test", {163, 224, 130, 40}},
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
