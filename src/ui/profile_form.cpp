#include "ui/profile_form.h"

#include "config/holdable_values.h"
#include "ui/edit_text.h"
#include "ui/fixed_item_list.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <algorithm>

namespace wl3::ui {

namespace {

char firstCharacter(const std::string& text) {
    return text.empty() ? '\0' : text.front();
}

std::string_view oneCharacter(const char& character) {
    return character == '\0' ? std::string_view() : std::string_view(&character, 1);
}

// The values a person could lose: not what the encoder derives.
bool sameValues(TrackerConfig a, const TrackerConfig& b) {
    a.rateDivides60 = b.rateDivides60;
    a.rateDivides600 = b.rateDivides600;
    return a == b;
}

} // namespace

ProfileForm::ProfileForm(std::function<QWidget*(int id)> control) : control_(std::move(control)) {}

std::string ProfileForm::editText(int id) const {
    return toLatin1Bytes(static_cast<QLineEdit*>(control_(id))->text());
}

int ProfileForm::editNumber(int id) const {
    return parseEditNumber(editText(id));
}

// The start of a long text shows, not its end.
void ProfileForm::setEditText(int id, std::string_view text) {
    auto* edit = static_cast<QLineEdit*>(control_(id));
    edit->setText(fromLatin1Bytes(text));
    edit->setCursorPosition(0);
}

void ProfileForm::setEditNumber(int id, int value) {
    setEditText(id, std::to_string(value));
}

bool ProfileForm::isChecked(int id) const {
    return static_cast<QCheckBox*>(control_(id))->checkState() == Qt::Checked;
}

void ProfileForm::setChecked(int id, bool checked) {
    static_cast<QCheckBox*>(control_(id))->setChecked(checked);
}

FixedItemList* ProfileForm::list(int id) const {
    return static_cast<FixedItemList*>(control_(id));
}

bool ProfileForm::isEdit(const ProfileField& field) const {
    return field.isShown() && qobject_cast<QLineEdit*>(control_(field.control.id)) != nullptr;
}

std::optional<Allowed> ProfileForm::refusedTyping(const TrackerConfig& record,
                                                  const ProfileField& field, int profile) const {
    if (!isEdit(field)) {
        return std::nullopt;
    }
    const QString typed = static_cast<QLineEdit*>(control_(field.control.id))->text();
    return refusedEntry(record, field, profile, typed.toStdU32String());
}

void ProfileForm::formToRecord() {
    const int p = shownProfile_;
    for (const ProfileField& field : kProfileFields) {
        if (refusedTyping(record_, field, p)) {
            untaken_[static_cast<std::size_t>(p)][field.control.id] =
                static_cast<QLineEdit*>(control_(field.control.id))->text();
        } else {
            untaken_[static_cast<std::size_t>(p)].erase(field.control.id);
        }
    }
    const int calibration = record_.calibration;
    formToRecord(record_, p);
    // The tracker keeps the old value until a write: only a record from the tracker or a
    // file clears the mark.
    calibrationChanged_ = calibrationChanged_ || record_.calibration != calibration;
}

void ProfileForm::recordToForm() {
    for (auto& untaken : untaken_) {
        untaken.clear();
    }
    recordToForm(record_, shownProfile_);
}

void ProfileForm::showProfile(int profile) {
    formToRecord();
    shownProfile_ = profile;
    recordToForm(record_, shownProfile_);
}

void ProfileForm::replaceRecord(const TrackerConfig& record) {
    record_ = record;
    calibrationChanged_ = false;
    recordToForm();
    markSaved();
}

void ProfileForm::formToRecord(TrackerConfig& record, int profile) const {
    for (const ProfileField& field : kProfileFields) {
        if (!field.isShown() || refusedTyping(record, field, profile)) {
            continue;
        }
        const int id = field.control.id;
        visitValue(record, field, profile,
                   Overloaded{
                       [&]<std::size_t N>(TextField<N>& text) { setText(text, editText(id)); },
                       [&](char& character) { character = firstCharacter(editText(id)); },
                       [&](int& number) {
                           number = field.isListIndex() ? list(id)->index() : editNumber(id);
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
void ProfileForm::recordToForm(const TrackerConfig& record, int profile) {
    const QScopedValueRollback refill(refilling_, true);
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
        static_cast<QLineEdit*>(control_(id))->setText(text);
    }
    updateEnables();
}

// Each profile goes through the form once, so that what the form cannot show (a list index
// outside its list, say) does not count as an edit later.
TrackerConfig ProfileForm::asTheFormHoldsIt(const TrackerConfig& record) {
    TrackerConfig held = record;
    for (const int p : {1 - shownProfile_, shownProfile_}) {
        recordToForm(held, p);
        formToRecord(held, p);
    }
    return held;
}

void ProfileForm::markSaved() {
    saved_ = asTheFormHoldsIt(record_);
}

bool ProfileForm::hasUnsavedEdits() const {
    TrackerConfig now = record_;
    formToRecord(now, shownProfile_);
    const int other = 1 - shownProfile_;
    const bool untaken = !untaken_[static_cast<std::size_t>(other)].empty() ||
                         std::ranges::any_of(kProfileFields, [&](const ProfileField& field) {
                             return refusedTyping(now, field, shownProfile_).has_value();
                         });
    return untaken || !sameValues(now, saved_);
}

std::vector<UnholdableValue> ProfileForm::untakenEntries() const {
    std::vector<UnholdableValue> entries;
    for (const ProfileField& field : kProfileFields) {
        for (int p = 0; p < kProfileCount; ++p) {
            const auto& untaken = untaken_[static_cast<std::size_t>(p)];
            if (const auto found = untaken.find(field.control.id); found != untaken.end()) {
                entries.push_back({&field, p, toLatin1Bytes(found->second),
                                   refusedEntry(record_, field, p, found->second.toStdU32String())
                                       .value_or(Allowed{})});
            }
        }
    }
    return entries;
}

void ProfileForm::enableControls(std::initializer_list<int> ids, bool enabled) {
    for (const int id : ids) {
        control_(id)->setEnabled(enabled);
    }
}

void ProfileForm::updateEnables() {
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
