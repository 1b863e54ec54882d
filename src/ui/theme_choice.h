#pragma once

#include <QString>
#include <optional>

namespace wl3::ui {

// How the window looks: as the desktop does, or light or dark whatever the desktop says.
enum class ThemeChoice { System, Light, Dark };

// "system", "light" or "dark", as --theme takes it and the settings keep it.
QString themeName(ThemeChoice choice);
// Any letter case; nothing for another word.
std::optional<ThemeChoice> themeNamed(const QString& name);

} // namespace wl3::ui
