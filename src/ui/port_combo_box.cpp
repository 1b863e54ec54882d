#include "ui/port_combo_box.h"

#include "link/port_mapping.h"

#include <vector>

namespace wl3::ui {

namespace {

// The device's maker and product, or its friendly name on Windows, on a second line.
QString tipFor(const std::string& device, const std::vector<SerialDeviceInfo>& found) {
    QString tip = QString::fromStdString(device);
    for (const SerialDeviceInfo& info : found) {
        if (info.path == device && !info.description.empty()) {
            tip += '\n' + QString::fromStdString(info.description);
        }
    }
    return tip;
}

} // namespace

PortComboBox::PortComboBox(PortResolver resolver, QWidget* parent)
    : FixedItemList(parent), resolver_(std::move(resolver)) {}

void PortComboBox::choose(const PortChoice& choice) {
    if (!choice.devicePath.empty()) {
        const QString path = QString::fromStdString(choice.devicePath);
        if (count() > kDevicePathEntry) {
            setItemText(kDevicePathEntry, path);
        } else {
            addItem(path);
        }
        refreshDeviceTips();
    }
    setCurrentIndex(choice.entry());
}

PortChoice PortComboBox::choiceAt(int index) const {
    return portChoiceAt(index, itemText(kDevicePathEntry).toStdString());
}

void PortComboBox::refreshDeviceTips() {
    showDevices(listSerialDevices());
}

void PortComboBox::showDevices(const std::vector<SerialDeviceInfo>& found) {
    for (int index = 0; index < count(); ++index) {
        const std::string device = deviceFor(choiceAt(index), resolver_);
        const QString tip = device.empty() ? tr("no device") : tipFor(device, found);
        setItemData(index, tip, Qt::ToolTipRole);
    }
}

void PortComboBox::showPopup() {
    refreshDeviceTips();
    QComboBox::showPopup();
}

} // namespace wl3::ui
