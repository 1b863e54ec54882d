#include "link/com_port_interface_windows.h"
#include "link/port_watcher.h"

#include <windows.h>

// After windows.h, whose types they build on.
#include <dbt.h>

namespace wl3 {

namespace {

constexpr const char* kWindowClass = "Wrenlink3PortEvents";

// A hidden window of its own, never shown: a message-only one would miss the broadcast
// DBT_DEVNODES_CHANGED, which is all that some virtual COM drivers send. Any device change
// message makes a rescan due.
class WindowsDeviceEvents : public DeviceEvents {
public:
    WindowsDeviceEvents() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = onMessage;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kWindowClass;
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, kWindowClass, "", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
        if (window_ == nullptr) {
            return;
        }
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&news_));
        DEV_BROADCAST_DEVICEINTERFACE_A filter{};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = kComPortInterface;
        notification_ = RegisterDeviceNotificationA(window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
    ~WindowsDeviceEvents() override {
        if (notification_ != nullptr) {
            UnregisterDeviceNotification(notification_);
        }
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    WindowsDeviceEvents(const WindowsDeviceEvents&) = delete;
    WindowsDeviceEvents& operator=(const WindowsDeviceEvents&) = delete;

    int descriptor() const override { return -1; }
    // Without its window, nothing would tell of changes.
    int pollIntervalMs() const override { return window_ == nullptr ? 1000 : 0; }

    // The device change messages are sent to the window, so they arrive while its messages
    // are taken.
    bool wait(int timeoutMs) override {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeoutMs), QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        const bool due = news_ || window_ == nullptr;
        news_ = false;
        return due;
    }

private:
    static LRESULT CALLBACK onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DEVICECHANGE) {
            if (auto* news = reinterpret_cast<bool*>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
                *news = true;
            }
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    HDEVNOTIFY notification_ = nullptr;
    bool news_ = false;
};

} // namespace

std::unique_ptr<DeviceEvents> watchDeviceEvents() {
    return std::make_unique<WindowsDeviceEvents>();
}

} // namespace wl3
