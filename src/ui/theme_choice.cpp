#include "ui/theme_choice.h"

#include <array>
#include <utility>

namespace wl3::ui {

namespace {

constexpr std::array<std::pair<ThemeChoice, QLatin1StringView>, 3> kNames{{
    {ThemeChoice::System, QLatin1StringView("system")},
    {ThemeChoice::Light, QLatin1StringView("light")},
    {ThemeChoice::Dark, QLatin1StringView("dark")},
}};

} // namespace

QString themeName(ThemeChoice choice) {
    for (const auto& [named, name] : kNames) {
        if (named == choice) {
            return name;
        }
    }
    return kNames.front().second;
}

std::optional<ThemeChoice> themeNamed(const QString& name) {
    for (const auto& [choice, known] : kNames) {
        if (name.compare(known, Qt::CaseInsensitive) == 0) {
            return choice;
        }
    }
    return std::nullopt;
}

} // namespace wl3::ui
