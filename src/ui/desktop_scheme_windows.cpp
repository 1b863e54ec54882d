#include "ui/desktop_scheme.h"

#include <QWinEventNotifier>
#include <array>
#include <windows.h>

namespace wl3::ui {

namespace {

constexpr const wchar_t* kPersonalize =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// The keys watched for a change of the setting: its own, or where it is missing the
// nearest above it, whose subtree it will be made in.
constexpr std::array<const wchar_t*, 3> kWatchedKeys{
    kPersonalize,
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes",
    L"Software\\Microsoft\\Windows\\CurrentVersion",
};

// 0 for dark, 1 for light; nothing where the setting is missing (light, as before Windows 10
// had it).
DesktopScheme::Preference appsTheme() {
    DWORD value = 1;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", RRF_RT_REG_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS) {
        return DesktopScheme::Preference::None;
    }
    return value == 0 ? DesktopScheme::Preference::Dark : DesktopScheme::Preference::Light;
}

} // namespace

struct DesktopScheme::Watch {
    HKEY key = nullptr;
    HANDLE event = nullptr;
    QWinEventNotifier* notifier = nullptr;

    // Until the next change under the key, which signals the event once.
    bool arm() const {
        return RegNotifyChangeKeyValue(key, TRUE,
                                       REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_NAME, event,
                                       TRUE) == ERROR_SUCCESS;
    }
};

DesktopScheme::DesktopScheme(QObject* parent) : QObject(parent), watch_(std::make_unique<Watch>()) {
    for (const wchar_t* path : kWatchedKeys) {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_NOTIFY, &watch_->key) == ERROR_SUCCESS) {
            break;
        }
        watch_->key = nullptr;
    }
    watch_->event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (watch_->key == nullptr || watch_->event == nullptr || !watch_->arm()) {
        return;
    }
    watch_->notifier = new QWinEventNotifier(watch_->event, this);
    connect(watch_->notifier, &QWinEventNotifier::activated, this, [this] {
        watch_->arm();
        emit changed();
    });
}

DesktopScheme::~DesktopScheme() {
    delete watch_->notifier;
    if (watch_->key != nullptr) {
        RegCloseKey(watch_->key);
    }
    if (watch_->event != nullptr) {
        CloseHandle(watch_->event);
    }
}

DesktopScheme::Preference DesktopScheme::preference() const {
    return appsTheme();
}

bool DesktopScheme::highContrast() const {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace wl3::ui
