#include "ui/desktop_scheme.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <QVariant>
#include <optional>

#ifdef WL3_HAVE_DBUS
#include "ui/portal_settings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#endif

namespace wl3::ui {

namespace {

using Preference = DesktopScheme::Preference;

QString configFolder() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    return xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : xdg;
}

// "Adwaita:dark" (GTK_THEME's way), "Adwaita-dark", "Breeze-Dark".
bool namesDarkTheme(const QString& name) {
    const QString lower = name.toLower();
    return lower.endsWith(QLatin1StringView(":dark")) || lower.endsWith(QLatin1StringView("-dark"));
}

Preference fromGtk() {
    if (const QString forced = qEnvironmentVariable("GTK_THEME"); !forced.isEmpty()) {
        return namesDarkTheme(forced) ? Preference::Dark : Preference::None;
    }
    const QSettings settings(configFolder() + QStringLiteral("/gtk-3.0/settings.ini"),
                             QSettings::IniFormat);
    const QString preferDark =
        settings.value(QStringLiteral("Settings/gtk-application-prefer-dark-theme")).toString();
    if (preferDark == QLatin1StringView("1") || preferDark == QLatin1StringView("true") ||
        namesDarkTheme(settings.value(QStringLiteral("Settings/gtk-theme-name")).toString())) {
        return Preference::Dark;
    }
    return Preference::None;
}

// KDE's colour scheme, by its windows' background: the scheme's name says nothing certain.
Preference fromKde() {
    if (!qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1StringView("KDE"))) {
        return Preference::None;
    }
    const QSettings globals(configFolder() + QStringLiteral("/kdeglobals"), QSettings::IniFormat);
    const QStringList rgb =
        globals.value(QStringLiteral("Colors:Window/BackgroundNormal")).toStringList();
    if (rgb.size() != 3) {
        return Preference::None;
    }
    const int sum = rgb[0].toInt() + rgb[1].toInt() + rgb[2].toInt();
    return sum < 3 * 128 ? Preference::Dark : Preference::Light;
}

Preference fromFiles() {
    const Preference gtk = fromGtk();
    return gtk != Preference::None ? gtk : fromKde();
}

} // namespace

#ifdef WL3_HAVE_DBUS

namespace {

constexpr QLatin1StringView kPortalService("org.freedesktop.portal.Desktop");
constexpr QLatin1StringView kPortalPath("/org/freedesktop/portal/desktop");
constexpr QLatin1StringView kSettingsInterface("org.freedesktop.portal.Settings");
constexpr QLatin1StringView kAppearance("org.freedesktop.appearance");
constexpr QLatin1StringView kColorScheme("color-scheme");
constexpr QLatin1StringView kGnomeInterface("org.gnome.desktop.interface");
constexpr QLatin1StringView kGtkTheme("gtk-theme");
// A portal that has not answered by then has nothing to say.
constexpr int kReadTimeoutMs = 2000;

// Values come wrapped in variants, one or two deep by the portal's version.
QVariant unwrapped(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

bool sessionBusNamed() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
           (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")));
}

} // namespace

void PortalSettings::settingChanged(const QString& group, const QString& key,
                                    const QDBusVariant& value) {
    const QVariant plain = unwrapped(value.variant());
    if (group == kAppearance && key == kColorScheme) {
        colorScheme = plain.toUInt();
    } else if (group == kGnomeInterface && key == kGtkTheme) {
        gtkTheme = plain.toString();
    } else {
        return;
    }
    emit changed();
}

struct DesktopScheme::Watch {
    Preference files = fromFiles();
    PortalSettings* portal = nullptr;
    std::unique_ptr<QThread> asker;
};

DesktopScheme::DesktopScheme(QObject* parent) : QObject(parent), watch_(std::make_unique<Watch>()) {
    if (!sessionBusNamed()) {
        return;
    }
    auto* portal = new PortalSettings(this);
    watch_->portal = portal;
    connect(portal, &PortalSettings::changed, this, [this] {
        watch_->files = fromFiles();
        emit changed();
    });
    // Connecting to the bus, reading and subscribing each wait for an answer; the window does
    // not. The subscription's news comes to the portal object on the window's thread.
    watch_->asker.reset(QThread::create([portal] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return;
        }
        const auto read = [&bus](QLatin1StringView group, QLatin1StringView key) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                kPortalService, kPortalPath, kSettingsInterface, QStringLiteral("Read"));
            call << QString(group) << QString(key);
            const QDBusMessage reply = bus.call(call, QDBus::Block, kReadTimeoutMs);
            return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                       ? std::optional(unwrapped(reply.arguments().constFirst()))
                       : std::nullopt;
        };
        const auto scheme = read(kAppearance, kColorScheme);
        const auto theme = read(kGnomeInterface, kGtkTheme);
        // After the reads: a subscription made before the connection has set up its types
        // finds no slot for a QDBusVariant, and fails.
        bus.connect(kPortalService, kPortalPath, kSettingsInterface,
                    QStringLiteral("SettingChanged"), portal,
                    SLOT(settingChanged(QString, QString, QDBusVariant)));
        if (!scheme && !theme) {
            return;
        }
        QMetaObject::invokeMethod(portal, [portal, scheme, theme] {
            if (scheme) {
                portal->colorScheme = scheme->toUInt();
            }
            portal->gtkTheme = theme.value_or(QVariant()).toString();
            emit portal->changed();
        });
    }));
    watch_->asker->start();
}

// The thread's waits are all bounded.
DesktopScheme::~DesktopScheme() {
    if (watch_->asker) {
        watch_->asker->wait();
    }
}

Preference DesktopScheme::preference() const {
    if (const PortalSettings* portal = watch_->portal) {
        if (portal->colorScheme == 1U) {
            return Preference::Dark;
        }
        if (portal->colorScheme == 2U) {
            return Preference::Light;
        }
        if (namesDarkTheme(portal->gtkTheme)) {
            return Preference::Dark;
        }
    }
    return watch_->files;
}

#else

struct DesktopScheme::Watch {
    Preference files = fromFiles();
};

DesktopScheme::DesktopScheme(QObject* parent)
    : QObject(parent), watch_(std::make_unique<Watch>()) {}

DesktopScheme::~DesktopScheme() = default;

Preference DesktopScheme::preference() const {
    return watch_->files;
}

#endif

bool DesktopScheme::highContrast() const {
    return false;
}

} // namespace wl3::ui
