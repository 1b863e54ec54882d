#include "ui/theme_entries.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDialog>
#include <array>
#include <string>
#include <utility>
#include <windows.h>

namespace wl3::ui {

namespace {

// System commands keep their low four bits for the system; About has 0x10.
constexpr std::array<std::pair<UINT, ThemeChoice>, 3> kThemeCommands{{
    {0x20, ThemeChoice::System},
    {0x30, ThemeChoice::Light},
    {0x40, ThemeChoice::Dark},
}};

// Catches the theme items of the window's system menu, and moves their mark.
class ThemeCommandFilter : public QObject, public QAbstractNativeEventFilter {
public:
    ThemeCommandFilter(QDialog& window, HMENU menu, std::function<void(ThemeChoice)> chosen)
        : QObject(&window), window_(window), menu_(menu), chosen_(std::move(chosen)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~ThemeCommandFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SYSCOMMAND || msg->hwnd != reinterpret_cast<HWND>(window_.winId())) {
            return false;
        }
        for (const auto& [command, choice] : kThemeCommands) {
            if ((msg->wParam & 0xFFF0) == command) {
                mark(command);
                chosen_(choice);
                if (result != nullptr) {
                    *result = 0;
                }
                return true;
            }
        }
        return false;
    }

    void mark(UINT command) {
        CheckMenuRadioItem(menu_, kThemeCommands.front().first, kThemeCommands.back().first,
                           command, MF_BYCOMMAND);
    }

private:
    QDialog& window_;
    HMENU menu_;
    std::function<void(ThemeChoice)> chosen_;
};

} // namespace

void addThemeEntries(QDialog& window, ThemeChoice current,
                     const std::function<void(ThemeChoice)>& chosen) {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    HMENU themes = CreatePopupMenu();
    if (menu == nullptr || themes == nullptr) {
        return;
    }
    UINT currentCommand = kThemeCommands.front().first;
    for (const auto& [command, choice] : kThemeCommands) {
        const std::wstring text = themeEntryText(choice).toStdWString();
        AppendMenuW(themes, MF_STRING, command, text.c_str());
        if (choice == current) {
            currentCommand = command;
        }
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const std::wstring title = themeMenuText().toStdWString();
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(themes), title.c_str());
    (new ThemeCommandFilter(window, themes, chosen))->mark(currentCommand);
}

} // namespace wl3::ui
