// The window's theme on Windows' own platform: System follows "apps use light theme", also
// while the window is open, and --theme overrides it. Each look is told by the mean
// brightness of the window's picture. Needs a display, as scripts/wine-tests provides.
#include "link/port_mapping.h"
#include "support/recording_reporter.h"
#include "ui/app_theme.h"
#include "ui/config_app.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/start_options.h"
#include "window_brightness.h"

#include <QStyle>
#include <QTest>
#include <memory>
#include <optional>
#include <windows.h>

using namespace wl3::ui;

namespace {

constexpr const wchar_t* kPersonalize =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

void setAppsUseLightTheme(DWORD value) {
    QCOMPARE(RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", REG_DWORD,
                             &value, sizeof value),
             LONG(ERROR_SUCCESS));
}

// The user's own setting, to be put back: tests may run on a real machine too.
std::optional<DWORD> appsUseLightTheme() {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", RRF_RT_REG_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

ThemeChoice chosenBy(const char* name) {
    const StartOptions options = parseStartOptions(
        {QStringLiteral("wrenlink3config"), QStringLiteral("--theme"), QLatin1String(name)});
    return options.theme.value_or(ThemeChoice::System);
}

} // namespace

class ThemeWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        nativeStyle_ = QApplication::style()->name();
        usersSetting_ = appsUseLightTheme();
    }

    void cleanupTestCase() {
        if (usersSetting_) {
            setAppsUseLightTheme(*usersSetting_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme");
        }
    }

    void cleanup() {
        window_.reset();
        theme_.reset();
        QApplication::setStyle(nativeStyle_);
        QApplication::setPalette(QPalette());
    }

    void systemIsDarkWithAppsUseLightTheme0AndFollowsItsChange() {
        setAppsUseLightTheme(0);
        start(ThemeChoice::System);
        QVERIFY(wl3::test::meanBrightness(*window_) < wl3::test::kMiddleBrightness);

        setAppsUseLightTheme(1);
        QTRY_VERIFY_WITH_TIMEOUT(!theme_->isDark(), 10000);
        // The native style's widgets take their palette as the events of the change arrive.
        QTRY_VERIFY_WITH_TIMEOUT(wl3::test::meanBrightness(*window_) > wl3::test::kMiddleBrightness,
                                 10000);
        QCOMPARE(QApplication::style()->name(), nativeStyle_);
    }

    void systemIsLightWithAppsUseLightTheme1() {
        setAppsUseLightTheme(1);
        start(ThemeChoice::System);
        QVERIFY(wl3::test::meanBrightness(*window_) > wl3::test::kMiddleBrightness);
    }

    void themeLightOverridesADarkSetting() {
        setAppsUseLightTheme(0);
        start(chosenBy("light"));
        QVERIFY(wl3::test::meanBrightness(*window_) > wl3::test::kMiddleBrightness);
    }

    void themeDarkOverridesALightSetting() {
        setAppsUseLightTheme(1);
        start(chosenBy("dark"));
        QVERIFY(wl3::test::meanBrightness(*window_) < wl3::test::kMiddleBrightness);
    }

private:
    void start(ThemeChoice choice) {
        theme_ = std::make_unique<AppTheme>(choice);
        window_ = std::make_unique<ConfigDialog>(
            ConfigDialogServices{reporter_, fileDialogs_, wl3::portDevicePath});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    QString nativeStyle_;
    std::optional<DWORD> usersSetting_;
    wl3::test::RecordingReporter reporter_;
    QtFileDialogs fileDialogs_;
    std::unique_ptr<AppTheme> theme_;
    std::unique_ptr<ConfigDialog> window_;
};

int main(int argc, char** argv) {
    ConfigApp app(argc, argv);
    ThemeWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "theme_windows_test.moc"
