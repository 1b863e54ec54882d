#include "ui/app_theme.h"

#include "ui/title_bars.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace wl3::ui {

namespace {

constexpr QLatin1StringView kFusion("Fusion");

bool paletteIsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

// Fusion's bevels come from Light, Midlight, Mid, Dark and Shadow, so every one is set;
// links and the selection keep a blue that reads on either background.
QPalette darkPalette() {
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(230, 230, 230);
    const QColor disabledText(128, 128, 128);
    const QColor highlight(42, 130, 218);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window.lighter(115));
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 80, 80));
    palette.setColor(QPalette::Light, window.lighter(150));
    palette.setColor(QPalette::Midlight, window.lighter(125));
    palette.setColor(QPalette::Mid, window.darker(130));
    palette.setColor(QPalette::Dark, window.darker(160));
    palette.setColor(QPalette::Shadow, QColor(20, 20, 20));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, highlight.lighter(130));
    palette.setColor(QPalette::LinkVisited, highlight.lighter(110));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, window.lighter(130));
    return palette;
}

void useStyle(const QString& name) {
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0) {
        if (QStyle* style = QStyleFactory::create(name)) {
            QApplication::setStyle(style);
        }
    }
}

} // namespace

// What the platform gave the application is kept, to go back to.
AppTheme::AppTheme(ThemeChoice choice, QObject* parent)
    : QObject(parent), choice_(choice), nativeStyle_(QApplication::style()->name()),
      nativeDark_(paletteIsDark(QApplication::palette())) {
    connect(&scheme_, &DesktopScheme::changed, this, &AppTheme::apply);
    if (titleBarsFollowTheme()) {
        qApp->installEventFilter(this);
    }
    apply();
}

void AppTheme::setChoice(ThemeChoice choice) {
    choice_ = choice;
    apply();
}

bool AppTheme::isDark() const {
    return look_ == Look::Dark || (look_ == Look::Native && nativeDark_);
}

AppTheme::Look AppTheme::wantedLook() const {
    switch (choice_) {
    case ThemeChoice::Light:
        return nativeDark_ ? Look::Light : Look::Native;
    case ThemeChoice::Dark:
        return Look::Dark;
    case ThemeChoice::System:
        break;
    }
    if (scheme_.highContrast()) {
        return Look::Native;
    }
    switch (scheme_.preference()) {
    case DesktopScheme::Preference::Dark:
        return nativeDark_ ? Look::Native : Look::Dark;
    case DesktopScheme::Preference::Light:
        return nativeDark_ ? Look::Light : Look::Native;
    case DesktopScheme::Preference::None:
        break;
    }
    return Look::Native;
}

void AppTheme::apply() {
    const Look look = wantedLook();
    if (look == look_) {
        return;
    }
    look_ = look;
    switch (look) {
    case Look::Native:
        // The palette first: a style set over a palette set by hand keeps that palette.
        QApplication::setPalette(QPalette()); // the style's and the platform's again
        useStyle(nativeStyle_);
        break;
    case Look::Light:
        useStyle(kFusion);
        QApplication::setPalette(QApplication::style()->standardPalette());
        break;
    case Look::Dark:
        useStyle(kFusion);
        QApplication::setPalette(darkPalette());
        break;
    }
    if (titleBarsFollowTheme()) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->testAttribute(Qt::WA_WState_Created)) {
                setDarkTitleBar(*window, isDark());
            }
        }
    }
}

// Each window darkens its title bar as it is shown, boxes and the About box included.
bool AppTheme::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) {
            setDarkTitleBar(*widget, isDark());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace wl3::ui
