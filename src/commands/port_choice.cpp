#include "commands/port_choice.h"

#include <algorithm>
#include <cctype>

namespace wl3 {

std::optional<PortChoice> parsePortChoice(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    const bool comName = text.size() > 3 &&
                         std::equal(text.begin(), text.begin() + 3, "COM",
                                    [](char a, char b) {
                                        return std::toupper(static_cast<unsigned char>(a)) == b;
                                    }) &&
                         std::all_of(text.begin() + 3, text.end(), isDigit);
    if (!comName) {
        return PortChoice{1, std::string(text)};
    }
    if (text.size() != 4 || text[3] < '1' || text[3] > '4') {
        return std::nullopt;
    }
    return PortChoice{text[3] - '0', {}};
}

std::string checkPortChoice(const std::string& text) {
    if (!parsePortChoice(text)) {
        return "COM1 to COM4 or a device path, not \"" + text + "\"";
    }
    return {};
}

SerialLink makeLink(const PortChoice& choice, Reporter& reporter) {
    auto port = choice.devicePath.empty()
                    ? makeSystemSerialPort()
                    : makeSystemSerialPort([path = choice.devicePath](int portNumber) {
                          return portNumber == 1 ? path : std::string();
                      });
    SerialLink link(reporter, std::move(port));
    link.setPortNumber(choice.portNumber);
    return link;
}

} // namespace wl3
