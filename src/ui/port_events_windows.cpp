#include "link/com_port_interface_windows.h"
#include "ui/port_events.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

// After windows.h, whose types they build on.
#include <dbt.h>

namespace wl3::ui {

namespace {

// The COM port interfaces' arrivals and removals are sent to the window once it asks for
// them; any other device change message counts too, since some virtual COM drivers send
// only the broadcast DBT_DEVNODES_CHANGED.
class PortEventFilter : public QObject, public QAbstractNativeEventFilter {
public:
    PortEventFilter(QWidget& window, std::function<void()> onNews)
        : QObject(&window), window_(reinterpret_cast<HWND>(window.winId())),
          onNews_(std::move(onNews)) {
        DEV_BROADCAST_DEVICEINTERFACE_A filter{};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = kComPortInterface;
        notification_ = RegisterDeviceNotificationA(window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~PortEventFilter() override {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        if (notification_ != nullptr) {
            UnregisterDeviceNotification(notification_);
        }
    }
    PortEventFilter(const PortEventFilter&) = delete;
    PortEventFilter& operator=(const PortEventFilter&) = delete;

    // Broadcasts reach every top-level window of the program: the window's own is enough.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* msg = static_cast<const MSG*>(message);
        if (eventType == "windows_generic_MSG" && msg->message == WM_DEVICECHANGE &&
            msg->hwnd == window_) {
            onNews_();
        }
        return false;
    }

private:
    HWND window_;
    std::function<void()> onNews_;
    HDEVNOTIFY notification_ = nullptr;
};

} // namespace

void watchPortEvents(QWidget& window, std::function<void()> onNews) {
    new PortEventFilter(window, std::move(onNews));
}

} // namespace wl3::ui
