#pragma once

#include "ui/theme_choice.h"

#include <QString>
#include <functional>

class QDialog;

namespace wl3::ui {

// Offers the themes on window, the current one marked: in a "Theme" menu of its system
// menu where the platform gives it one, else of its context menu. chosen hears each choice
// the user makes; the mark follows it.
void addThemeEntries(QDialog& window, ThemeChoice current,
                     const std::function<void(ThemeChoice)>& chosen);

// The entries' texts, in the user's language.
QString themeMenuText();
QString themeEntryText(ThemeChoice choice);

} // namespace wl3::ui
