#include "ui/theme_entries.h"

#include <QCoreApplication>

namespace wl3::ui {

QString themeMenuText() {
    //: The window's menu of looks; each platform's own menu holds it (the system menu on
    //: Windows, the context menu elsewhere).
    return QCoreApplication::translate("Theme", "&Theme");
}

QString themeEntryText(ThemeChoice choice) {
    switch (choice) {
    case ThemeChoice::Light:
        return QCoreApplication::translate("Theme", "&Light");
    case ThemeChoice::Dark:
        return QCoreApplication::translate("Theme", "&Dark");
    case ThemeChoice::System:
        break;
    }
    //: The theme that follows the desktop's light or dark setting.
    return QCoreApplication::translate("Theme", "As the &System");
}

} // namespace wl3::ui
