#pragma once

#include "link/exchange_observer.h"
#include "link/port_choice.h"
#include "link/serial_link.h"
#include "outcomes/reporter.h"

namespace wl3 {

// The link of one command over this machine's serial port: set to the chosen port and
// watched by observer, which must outlive it. A COM port opens the device comPorts gives
// for its number.
SerialLink makeLink(const PortChoice& choice, Reporter& reporter, ExchangeObserver& observer,
                    PortResolver comPorts = portDevicePath);

} // namespace wl3
