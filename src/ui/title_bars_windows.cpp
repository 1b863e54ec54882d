#include "ui/title_bars.h"

#include <QWidget>
#include <dwmapi.h>
#include <windows.h>

namespace wl3::ui {

namespace {

// DWMWA_USE_IMMERSIVE_DARK_MODE, and its number before Windows 10 20H1; older headers
// lack the names.
constexpr DWORD kDarkMode = 20;
constexpr DWORD kDarkModeBefore20H1 = 19;

} // namespace

bool titleBarsFollowTheme() {
    return true;
}

void setDarkTitleBar(QWidget& window, bool dark) {
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    const BOOL value = dark ? TRUE : FALSE;
    if (FAILED(DwmSetWindowAttribute(hwnd, kDarkMode, &value, sizeof value))) {
        DwmSetWindowAttribute(hwnd, kDarkModeBefore20H1, &value, sizeof value);
    }
}

} // namespace wl3::ui
