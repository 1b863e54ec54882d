#include "ui/theme_entries.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QMenu>

namespace wl3::ui {

void addThemeEntries(QDialog& window, ThemeChoice current,
                     const std::function<void(ThemeChoice)>& chosen) {
    auto* menu = new QMenu(&window);
    menu->setObjectName(QStringLiteral("themeMenu"));
    auto* group = new QActionGroup(menu);
    for (const ThemeChoice choice : {ThemeChoice::System, ThemeChoice::Light, ThemeChoice::Dark}) {
        QAction* entry = menu->addAction(themeEntryText(choice));
        entry->setObjectName(QStringLiteral("theme_") + themeName(choice));
        entry->setCheckable(true);
        entry->setChecked(choice == current);
        group->addAction(entry);
        QObject::connect(entry, &QAction::triggered, &window, [chosen, choice] { chosen(choice); });
    }
    auto* themes = new QAction(themeMenuText(), &window);
    themes->setMenu(menu);
    window.addAction(themes);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace wl3::ui
