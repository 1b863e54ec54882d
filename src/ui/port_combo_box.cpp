#include "ui/port_combo_box.h"

namespace wl3::ui {

PortComboBox::PortComboBox(PortResolver resolver, QWidget* parent)
    : QComboBox(parent), resolver_(std::move(resolver)) {}

void PortComboBox::refreshDeviceTips() {
    for (int index = 0; index < count(); ++index) {
        const std::string device = resolver_(index + 1);
        const QString tip = device.empty() ? tr("no device") : QString::fromStdString(device);
        setItemData(index, tip, Qt::ToolTipRole);
    }
}

void PortComboBox::showPopup() {
    refreshDeviceTips();
    QComboBox::showPopup();
}

} // namespace wl3::ui
