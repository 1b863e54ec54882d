#pragma once

#include "ui/desktop_scheme.h"
#include "ui/theme_choice.h"

#include <QObject>
#include <QString>

namespace wl3::ui {

// The application's look for the theme chosen: the platform's own style and palette, or the
// Fusion style with a light or a dark palette where the platform's would not do. System
// follows the desktop (desktop_scheme.h), also while the window is open; high contrast keeps
// the platform's own. On Windows the windows' title bars follow a dark palette too.
class AppTheme : public QObject {
    Q_OBJECT

public:
    // Needs the application; applies the choice at once.
    explicit AppTheme(ThemeChoice choice, QObject* parent = nullptr);

    ThemeChoice choice() const { return choice_; }
    void setChoice(ThemeChoice choice);
    // Whether the palette in use is a dark one, the platform's or ours.
    bool isDark() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Look { Native, Light, Dark };

    Look wantedLook() const;
    void apply();

    ThemeChoice choice_;
    DesktopScheme scheme_;
    QString nativeStyle_;
    bool nativeDark_ = false;
    Look look_ = Look::Native; // as the platform gave it
};

} // namespace wl3::ui
