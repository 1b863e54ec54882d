#pragma once

#include "link/serial_port.h"

#include <QComboBox>
#include <string>

namespace wl3::ui {

// The COM list. Each item's tooltip names the device that port opens on this machine, and
// what it is where the system says, looked up again whenever the list opens, so that
// adapters plugged in meanwhile are seen.
class PortComboBox : public QComboBox {
    Q_OBJECT

public:
    PortComboBox(PortResolver resolver, QWidget* parent);

    // An entry after COM1 to COM4 for a device given by its path.
    void addDevice(const std::string& devicePath);
    // The device path of the entry at index when it was added by addDevice, else empty.
    std::string addedDevice(int index) const;

    void refreshDeviceTips();
    void showPopup() override;

private:
    PortResolver resolver_;
};

} // namespace wl3::ui
