#pragma once

#include "link/serial_port.h"

#include <QComboBox>

namespace wl3::ui {

// The COM list. Each item's tooltip names the device that port opens on this machine, and
// what it is where the system says, looked up again whenever the list opens, so that
// adapters plugged in meanwhile are seen.
class PortComboBox : public QComboBox {
    Q_OBJECT

public:
    PortComboBox(PortResolver resolver, QWidget* parent);

    void refreshDeviceTips();
    void showPopup() override;

private:
    PortResolver resolver_;
};

} // namespace wl3::ui
