#pragma once

#include "ui/theme_choice.h"

#include <QString>

namespace wl3::ui {

// What the window keeps between runs in the user's settings: the folder of the last file
// loaded or saved, the COM entry and the theme chosen last. Empty (System for the theme)
// where nothing is kept.
class RememberedChoices {
public:
    QString folder() const;
    void setFolder(const QString& folder);

    QString portEntry() const;
    void setPortEntry(const QString& entry);

    ThemeChoice theme() const;
    void setTheme(ThemeChoice theme);
};

} // namespace wl3::ui
