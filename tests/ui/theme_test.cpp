// The window's theme on Linux: --theme over what the desktop says, and the desktop portal's
// colour scheme, read without holding up the start and followed while the window is open.
// Runs on a session bus of its own (private_session_bus.conf), where the test is the portal.
#include "link/port_mapping.h"
#include "support/recording_reporter.h"
#include "ui/app_theme.h"
#include "ui/config_app.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/start_options.h"
#include "window_brightness.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace wl3::ui;

namespace {

constexpr auto kPortalService = "org.freedesktop.portal.Desktop";
constexpr auto kPortalPath = "/org/freedesktop/portal/desktop";
constexpr auto kSettings = "org.freedesktop.portal.Settings";

QVariant twiceWrapped(const QVariant& value) {
    return QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(value))));
}

} // namespace

// The desktop portal's settings, as the test sets them; each answer waits until the
// window has started, as a slow portal's would. On a connection of its own, as a portal is
// another program: the bus sends no message back to the connection it came from.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
    uint colorScheme = 0;
    int reads = 0;

    void announce(uint scheme) {
        colorScheme = scheme;
        QDBusMessage news = QDBusMessage::createSignal(QString::fromLatin1(kPortalPath),
                                                       QString::fromLatin1(kSettings),
                                                       QStringLiteral("SettingChanged"));
        news << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme")
             << QVariant::fromValue(QDBusVariant(scheme));
        bus.send(news);
    }

public slots:
    QDBusVariant Read(const QString& group, const QString& key) {
        ++reads;
        setDelayedReply(true);
        QDBusMessage reply = group == QLatin1String("org.freedesktop.appearance") &&
                                     key == QLatin1String("color-scheme")
                                 ? message().createReply(twiceWrapped(colorScheme))
                                 : message().createErrorReply(
                                       QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                       QStringLiteral("no such setting"));
        QTimer::singleShot(200, this, [this, reply] { bus.send(reply); });
        return {};
    }
};

class ThemeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { nativeStyle_ = QApplication::style()->name(); }

    void cleanup() {
        window_.reset();
        theme_.reset();
        qunsetenv("GTK_THEME");
        QApplication::setStyle(nativeStyle_);
        QApplication::setPalette(QPalette());
    }

    void systemFollowsADarkGtkTheme() {
        qputenv("GTK_THEME", "Adwaita:dark");
        start(ThemeChoice::System);
        QVERIFY(wl3::test::meanBrightness(*window_) < wl3::test::kMiddleBrightness);
    }

    void themeLightOverridesADarkDesktop() {
        qputenv("GTK_THEME", "Adwaita:dark");
        start(chosenBy("light"));
        QVERIFY(wl3::test::meanBrightness(*window_) > wl3::test::kMiddleBrightness);
    }

    void themeDarkOverridesALightDesktop() {
        start(chosenBy("dark"));
        QVERIFY(wl3::test::meanBrightness(*window_) < wl3::test::kMiddleBrightness);
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    }

    // The portal's answer comes after the window is up; a read on the window's thread would
    // never see it, since the portal answers from there too.
    void systemFollowsThePortalAnsweringLateAndItsChanges() {
        FakePortal portal;
        QDBusConnection& bus = portal.bus;
        QVERIFY(bus.registerObject(QString::fromLatin1(kPortalPath), &portal,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QString::fromLatin1(kPortalService)));
        portal.colorScheme = 1;
        start(ThemeChoice::System);
        QTRY_VERIFY_WITH_TIMEOUT(theme_->isDark(), 10000);
        QVERIFY(wl3::test::meanBrightness(*window_) < wl3::test::kMiddleBrightness);

        portal.announce(2);
        QTRY_VERIFY_WITH_TIMEOUT(!theme_->isDark(), 10000);
        QVERIFY(wl3::test::meanBrightness(*window_) > wl3::test::kMiddleBrightness);
        bus.unregisterService(QString::fromLatin1(kPortalService));
        bus.unregisterObject(QString::fromLatin1(kPortalPath));
    }

private:
    static ThemeChoice chosenBy(const char* name) {
        const StartOptions options = parseStartOptions(
            {QStringLiteral("wrenlink3config"), QStringLiteral("--theme"), QLatin1String(name)});
        return options.theme.value_or(ThemeChoice::System);
    }

    void start(ThemeChoice choice) {
        theme_ = std::make_unique<AppTheme>(choice);
        window_ = std::make_unique<ConfigDialog>(
            ConfigDialogServices{reporter_, fileDialogs_, wl3::portDevicePath});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    QString nativeStyle_;
    wl3::test::RecordingReporter reporter_;
    QtFileDialogs fileDialogs_;
    std::unique_ptr<AppTheme> theme_;
    std::unique_ptr<ConfigDialog> window_;
};

int main(int argc, char** argv) {
    ConfigApp app(argc, argv);
    ThemeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "theme_test.moc"
