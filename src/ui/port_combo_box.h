#pragma once

#include "link/port_choice.h"
#include "ui/fixed_item_list.h"

#include <string>

namespace wl3::ui {

// The COM list: the COM ports, and a fifth entry for a device given by its path once one
// is chosen. Each item's tooltip names the device that port opens on this machine, and what
// it is where the system says, looked up again whenever the list opens, so that adapters
// plugged in meanwhile are seen.
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
    void showPopup() override;

private:
    PortResolver resolver_;
};

} // namespace wl3::ui
