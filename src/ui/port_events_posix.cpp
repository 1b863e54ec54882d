#include "link/port_watcher.h"
#include "ui/port_events.h"

#include <QSocketNotifier>
#include <QTimer>
#include <memory>

namespace wl3::ui {

namespace {

// Holds the system's source of news for as long as the window that owns it.
class PortEventSource : public QObject {
public:
    PortEventSource(QWidget& window, std::function<void()> onNews)
        : QObject(&window), events_(watchDeviceEvents()) {
        if (const int fd = events_->descriptor(); fd >= 0) {
            auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, onNews] {
                if (events_->wait(0)) {
                    onNews();
                }
            });
        }
        if (const int interval = events_->pollIntervalMs(); interval > 0) {
            auto* timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this, onNews);
            timer->start(interval);
        }
    }

private:
    std::unique_ptr<DeviceEvents> events_;
};

} // namespace

void watchPortEvents(QWidget& window, std::function<void()> onNews) {
    new PortEventSource(window, std::move(onNews));
}

} // namespace wl3::ui
