#include "link/make_link.h"

namespace wl3 {

SerialLink makeLink(const PortChoice& choice, Reporter& reporter, ExchangeObserver& observer,
                    PortResolver comPorts) {
    SerialLink link(reporter, makeSystemSerialPort(), std::move(comPorts));
    link.setPort(choice);
    link.setObserver(observer);
    return link;
}

} // namespace wl3
