#pragma once

#include "link/port_choice.h"
#include "ui/fixed_item_list.h"

#include <string>
#include <vector>

namespace wl3::ui {

// The COM list: the COM ports, and a fifth entry for a device given by its path once one
// is chosen. Each item's tooltip names the device that port opens on this machine, and what
// it is where the system says, looked up again whenever the list opens and whenever adapters
// come or go.
class PortComboBox : public FixedItemList {
    Q_OBJECT

public:
    PortComboBox(PortResolver resolver, QWidget* parent);

    // Selects the choice's entry; a device path becomes the fifth entry.
    void choose(const PortChoice& choice);
    // The entry at index, and the one selected.
    PortChoice choiceAt(int index) const;
    PortChoice choice() const { return choiceAt(currentIndex()); }

    void refreshDeviceTips();
    // The tooltips for the devices found, as a rescan gave them; the choice stays as it is.
    void showDevices(const std::vector<SerialDeviceInfo>& found);
    void showPopup() override;

private:
    PortResolver resolver_;
};

} // namespace wl3::ui
