#pragma once

#include <QString>

namespace wl3::ui {

// What the window keeps between runs in the user's settings: the folder of the last file
// loaded or saved and the COM entry chosen last. Empty where nothing is kept.
class RememberedChoices {
public:
    QString folder() const;
    void setFolder(const QString& folder);

    QString portEntry() const;
    void setPortEntry(const QString& entry);
};

} // namespace wl3::ui
