#include "ui/port_notice.h"

#include <QCoreApplication>
#include <algorithm>

namespace wl3::ui {

namespace {

QString text(const std::string& bytes) {
    return QString::fromStdString(bytes);
}

QString withDescription(const QString& line, const SerialDeviceInfo& device) {
    return device.description.empty() ? line : line + ", " + text(device.description);
}

} // namespace

// A new device under the entry says more than the one it replaced. A device chosen by its
// path that merely moved to another COM entry is no news.
QString portNotice(const PortChoice& chosen, const std::vector<PortChange>& changes) {
    const bool byPath = !chosen.devicePath.empty();
    const auto find = [&](bool added) {
        return std::find_if(changes.begin(), changes.end(), [&](const PortChange& change) {
            return change.added == added &&
                   (byPath ? change.device.path == chosen.devicePath
                           : change.device.portName == comPortName(chosen.portNumber));
        });
    };
    const auto added = find(true);
    const auto removed = find(false);
    if (added != changes.end() && (!byPath || removed == changes.end())) {
        const SerialDeviceInfo& device = added->device;
        return withDescription(byPath
                                   ? QCoreApplication::translate("PortNotice", "%1 was plugged in")
                                         .arg(text(device.path))
                                   : QCoreApplication::translate("PortNotice", "%1 is now %2")
                                         .arg(text(device.portName), text(device.path)),
                               device);
    }
    if (removed == changes.end() || added != changes.end()) {
        return {};
    }
    const SerialDeviceInfo& device = removed->device;
    return byPath ? QCoreApplication::translate("PortNotice", "%1 was unplugged")
                        .arg(text(device.path))
                  : QCoreApplication::translate("PortNotice", "%1: %2 was unplugged")
                        .arg(text(device.portName), text(device.path));
}

} // namespace wl3::ui
