#include "ui/about_dialog.h"
#include "ui/about_entry.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDialog>
#include <string>
#include <windows.h>

namespace wl3::ui {

namespace {

constexpr UINT kAboutCommand = 0x10;

// Catches the About item of the window's system menu. The low four bits of a system command
// belong to the system, so 16 to 31 all mean About.
class AboutCommandFilter : public QObject, public QAbstractNativeEventFilter {
public:
    explicit AboutCommandFilter(QDialog& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~AboutCommandFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SYSCOMMAND || (msg->wParam & 0xFFF0) != kAboutCommand ||
            msg->hwnd != reinterpret_cast<HWND>(window_.winId())) {
            return false;
        }
        AboutDialog dialog(&window_);
        dialog.exec();
        // The item's command arrives posted, as a picked menu item's does, and a posted
        // message comes to the filter without a result to set.
        if (result != nullptr) {
            *result = 0;
        }
        return true;
    }

private:
    QDialog& window_;
};

} // namespace

void addAboutEntry(QDialog& window) {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (menu == nullptr) {
        return;
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const std::wstring item = AboutDialog::entryText().toStdWString();
    AppendMenuW(menu, MF_STRING, kAboutCommand, item.c_str());
    new AboutCommandFilter(window);
}

} // namespace wl3::ui
