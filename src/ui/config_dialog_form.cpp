#include "config/holdable_values.h"
#include "config/profile_fields.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/edit_text.h"
#include "ui/fixed_item_list.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace wl3::ui {

namespace {

char firstCharacter(const std::string& text) {
    return text.empty() ? '\0' : text.front();
}

std::string_view oneCharacter(const char& character) {
    return character == '\0' ? std::string_view() : std::string_view(&character, 1);
}

} // namespace

std::string ConfigDialog::getEditText(int id) const {
    return toLatin1Bytes(static_cast<QLineEdit*>(control(id))->text());
}

int ConfigDialog::getEditNumber(int id) const {
    return parseEditNumber(getEditText(id));
}

// The start of a long text shows, not its end.
void ConfigDialog::setEditText(int id, std::string_view text) {
    auto* edit = static_cast<QLineEdit*>(control(id));
    edit->setText(fromLatin1Bytes(text));
    edit->setCursorPosition(0);
}

void ConfigDialog::setEditNumber(int id, int value) {
    setEditText(id, std::to_string(value));
}

bool ConfigDialog::isChecked(int id) const {
    return static_cast<QCheckBox*>(control(id))->checkState() == Qt::Checked;
}

void ConfigDialog::setChecked(int id, bool checked) {
    static_cast<QCheckBox*>(control(id))->setChecked(checked);
}

FixedItemList* ConfigDialog::list(int id) const {
    return static_cast<FixedItemList*>(control(id));
}

bool ConfigDialog::isEdit(const ProfileField& field) const {
    return field.isShown() && qobject_cast<QLineEdit*>(control(field.control.id)) != nullptr;
}

std::optional<std::string> ConfigDialog::refusedTyping(const TrackerConfig& record,
                                                       const ProfileField& field,
                                                       int profile) const {
    if (!isEdit(field)) {
        return std::nullopt;
    }
    const QString typed = static_cast<QLineEdit*>(control(field.control.id))->text();
    return refusedEntry(record, field, profile, typed.toStdU32String());
}

// What cannot become a value stays in its edit, and in untaken_ while the other profile
// shows, until Write or Save names it; the record keeps its value meanwhile.
void ConfigDialog::formToRecord() {
    const int p = shownProfile_;
    for (const ProfileField& field : kProfileFields) {
        if (refusedTyping(config_, field, p)) {
            untaken_[static_cast<std::size_t>(p)][field.control.id] =
                static_cast<QLineEdit*>(control(field.control.id))->text();
        } else {
            untaken_[static_cast<std::size_t>(p)].erase(field.control.id);
        }
    }
    formToRecord(config_, p);
}

void ConfigDialog::replaceRecord(const TrackerConfig& record) {
    config_ = record;
    recordToForm();
    markSaved();
}

// The record as it is: what was typed and never became a value goes.
void ConfigDialog::recordToForm() {
    for (auto& untaken : untaken_) {
        untaken.clear();
    }
    recordToForm(config_, shownProfile_);
    updateModifiedMark();
}

void ConfigDialog::formToRecord(TrackerConfig& record, int profile) const {
    for (const ProfileField& field : kProfileFields) {
        if (!field.isShown() || refusedTyping(record, field, profile)) {
            continue;
        }
        const int id = field.control.id;
        visitValue(record, field, profile,
                   Overloaded{
                       [&]<std::size_t N>(TextField<N>& text) { setText(text, getEditText(id)); },
                       [&](char& character) { character = firstCharacter(getEditText(id)); },
                       [&](int& number) {
                           if (field.isListIndex()) {
                               number = list(id)->index();
                               return;
                           }
                           // The tracker keeps the old value until a write: only a decode clears
                           // it.
                           const int edited = getEditNumber(id);
                           if (field.isShared() && edited != number) {
                               record.calibrationChanged = true;
                           }
                           number = edited;
                       },
                       [&](bool& flag) {
                           if (field.view != nullptr) {
                               field.view->store(record, profile, isChecked(id));
                           } else {
                               flag = isChecked(id);
                           }
                       },
                   });
    }
}

// Setting the controls one by one says nothing about unsaved edits on the way.
void ConfigDialog::recordToForm(const TrackerConfig& record, int profile) {
    const QScopedValueRollback refilling(refilling_, true);
    for (const ProfileField& field : kProfileFields) {
        if (!field.isShown()) {
            continue;
        }
        const int id = field.control.id;
        visitValue(
            record, field, profile,
            Overloaded{
                [&]<std::size_t N>(const TextField<N>& text) { setEditText(id, textOf(text)); },
                [&](const char& character) { setEditText(id, oneCharacter(character)); },
                [&](const int& number) {
                    if (field.isListIndex()) {
                        list(id)->setIndex(number);
                    } else {
                        setEditNumber(id, number);
                    }
                },
                [&](const bool& flag) {
                    setChecked(id,
                               field.view != nullptr ? field.view->shown(record, profile) : flag);
                },
            });
    }
    for (const auto& [id, text] : untaken_[static_cast<std::size_t>(profile)]) {
        static_cast<QLineEdit*>(control(id))->setText(text);
    }
    updateEnables();
}

void ConfigDialog::enableControls(std::initializer_list<int> ids, bool enabled) {
    for (const int id : ids) {
        control(id)->setEnabled(enabled);
    }
}

void ConfigDialog::updateEnables() {
    const bool smartBeaconing = isChecked(ids::kSmartBeaconingEnable);
    enableControls({ids::kSlowSpeed, ids::kSlowRate, ids::kFastSpeed, ids::kFastRate,
                    ids::kMinTurnAngle, ids::kTurnSlope, ids::kMinTurnTime},
                   smartBeaconing);
    enableControls({ids::kAutoRate}, !smartBeaconing);
    enableControls({ids::kSlotOffset}, isChecked(ids::kTimeSlottingEnable));
    enableControls({ids::kForcePrintable, ids::kMicEMessage, ids::kMicEPath},
                   isChecked(ids::kMicEEnable));
    enableControls({ids::kPowerSwitchTime}, isChecked(ids::kPowerSwitchEnable));
}

} // namespace wl3::ui
