#pragma once

#include "config/profile_fields.h"
#include "config/tracker_config.h"
#include "outcomes/value_problem.h"

#include <QString>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace wl3::ui {

class FixedItemList;

// The form's fields and the record they show: one set of controls for the profile of the
// tab chosen and the calibration both profiles share. The record is the only store; values
// move between it and the controls only when formToRecord or recordToForm runs. The form
// also keeps what the user typed that never became a value, whether the calibration
// differs from the tracker's, and what was last kept, to tell unsaved edits.
class ProfileForm {
public:
    // control gives the window's widget of a control id; they must outlive the form.
    explicit ProfileForm(std::function<QWidget*(int id)> control);

    TrackerConfig& record() { return record_; }
    const TrackerConfig& record() const { return record_; }
    int shownProfile() const { return shownProfile_; }

    // Texts are bytes read as Latin-1 (see edit_text.h).
    std::string editText(int id) const;
    int editNumber(int id) const;
    void setEditText(int id, std::string_view text);
    void setEditNumber(int id, int value);
    bool isChecked(int id) const;
    // Changes the state only; no click handler runs.
    void setChecked(int id, bool checked);

    // The profile shown and the calibration into the record. What cannot become a value
    // stays in its edit, and with the form while the other profile shows, until Write or
    // Save names it; the record keeps its value meanwhile.
    void formToRecord();
    // The record as it is: what was typed and never became a value goes.
    void recordToForm();
    // The record as formToRecord would make it, left as it is.
    TrackerConfig recordAsShown() const {
        TrackerConfig shown = record_;
        formToRecord(shown, shownProfile_);
        return shown;
    }
    // The shown profile into the record, then profile shown, with what its edits held that
    // never became a value.
    void showProfile(int profile);
    // The record of a load, a read or a write, as the tracker or the file holds it: the form
    // shows it, and nothing of it is unsaved.
    void replaceRecord(const TrackerConfig& record);
    // What the form holds now becomes what nothing is lost from.
    void markSaved();

    // Whether the form differs from what was last kept; an entry that never became a
    // value is an edit too.
    bool hasUnsavedEdits() const;
    // Every entry that never became a value, as the tracker would refuse it.
    std::vector<UnholdableValue> untakenEntries() const;
    // Whether the calibration was changed since the record last came from a tracker or a
    // file: the tracker tests its tones with the one it holds.
    bool calibrationChanged() const { return calibrationChanged_; }

    // The controls that only count with their block on follow its check box.
    void updateEnables();
    // True while the controls are being set from the record, which is no edit.
    bool refilling() const { return refilling_; }

private:
    FixedItemList* list(int id) const;
    bool isEdit(const ProfileField& field) const;
    // What the tracker holds of field when its edit's text cannot become its value in
    // profile of record.
    std::optional<Allowed> refusedTyping(const TrackerConfig& record, const ProfileField& field,
                                         int profile) const;
    // Between the controls and profile of record, with the calibration both share.
    void formToRecord(TrackerConfig& record, int profile) const;
    void recordToForm(const TrackerConfig& record, int profile);
    // The record as the form would give it back, for both profiles.
    TrackerConfig asTheFormHoldsIt(const TrackerConfig& record);
    void enableControls(std::initializer_list<int> ids, bool enabled);

    std::function<QWidget*(int id)> control_;
    TrackerConfig record_;
    int shownProfile_ = kPrimary;
    TrackerConfig saved_; // as the form would give it back
    // Per profile, the edits whose text never became a value, by control id.
    std::array<std::map<int, QString>, kProfileCount> untaken_;
    bool calibrationChanged_ = false;
    bool refilling_ = false;
};

} // namespace wl3::ui
