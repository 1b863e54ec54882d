#include "link/port_watcher.h"
#include "ui/port_events.h"

#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

namespace wl3::ui {

namespace {

// Holds the system's source of news for as long as the window that owns it.
class PortEventSource : public QObject {
public:
    PortEventSource(QWidget& window, std::function<void()> onNews)
        : QObject(&window), events_(watchDeviceEvents()), onNews_(std::move(onNews)) {
        if (const int fd = events_->descriptor(); fd >= 0) {
            auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, [this] {
                if (events_->wait(0)) {
                    onNews_();
                }
            });
        }
        if (const int interval = events_->pollIntervalMs(); interval > 0) {
            auto* timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this, [this] { onNews_(); });
            timer->start(interval);
        }
    }

private:
    std::unique_ptr<DeviceEvents> events_;
    std::function<void()> onNews_;
};

} // namespace

void watchPortEvents(QWidget& window, std::function<void()> onNews) {
    new PortEventSource(window, std::move(onNews));
}

} // namespace wl3::ui
