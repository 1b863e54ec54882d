#pragma once

#include "link/port_choice.h"
#include "link/port_watcher.h"

#include <QString>
#include <vector>

namespace wl3::ui {

// One line about what changes did to the device behind the chosen entry: "COM1:
// /dev/ttyUSB0 was unplugged", "COM1 is now /dev/ttyUSB0, USB2.0-Serial". Empty when they
// left it alone.
QString portNotice(const PortChoice& chosen, const std::vector<PortChange>& changes);

} // namespace wl3::ui
