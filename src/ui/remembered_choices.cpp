#include "ui/remembered_choices.h"

#include <QSettings>

namespace wl3::ui {

namespace {

// Plain texts, which cannot fail as a QString built before main could.
constexpr QLatin1StringView kFolderKey("files/lastFolder");
constexpr QLatin1StringView kPortKey("port/lastEntry");
constexpr QLatin1StringView kThemeKey("window/theme");

} // namespace

QString RememberedChoices::folder() const {
    return QSettings().value(kFolderKey).toString();
}

void RememberedChoices::setFolder(const QString& folder) {
    QSettings().setValue(kFolderKey, folder);
}

QString RememberedChoices::portEntry() const {
    return QSettings().value(kPortKey).toString();
}

void RememberedChoices::setPortEntry(const QString& entry) {
    QSettings().setValue(kPortKey, entry);
}

ThemeChoice RememberedChoices::theme() const {
    return themeNamed(QSettings().value(kThemeKey).toString()).value_or(ThemeChoice::System);
}

void RememberedChoices::setTheme(ThemeChoice theme) {
    QSettings().setValue(kThemeKey, themeName(theme));
}

} // namespace wl3::ui
