#include "link/port_choice.h"

#include <algorithm>
#include <cctype>

namespace wl3 {

std::string comPortName(int portNumber) {
    return std::string(kComPortPrefix) + std::to_string(portNumber);
}

PortChoice portChoiceAt(int index, const std::string& devicePath) {
    if (index == kDevicePathEntry) {
        return PortChoice{1, devicePath};
    }
    return PortChoice{index + 1, {}};
}

std::optional<PortChoice> parsePortChoice(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    const std::size_t prefix = kComPortPrefix.size();
    const bool comName = text.size() > prefix &&
                         std::equal(kComPortPrefix.begin(), kComPortPrefix.end(), text.begin(),
                                    [](char name, char c) {
                                        return std::toupper(static_cast<unsigned char>(c)) == name;
                                    }) &&
                         std::all_of(text.begin() + prefix, text.end(), isDigit);
    if (!comName) {
        return PortChoice{1, std::string(text)};
    }
    const int number = text[prefix] - '0';
    if (text.size() != prefix + 1 || number < 1 || number > kComPortCount) {
        return std::nullopt;
    }
    return PortChoice{number, {}};
}

PortChoice checkedPortChoice(std::string_view text) {
    return parsePortChoice(text).value_or(PortChoice{0, {}});
}

std::string deviceFor(const PortChoice& choice, const PortResolver& comPorts) {
    return choice.devicePath.empty() ? comPorts(choice.portNumber) : choice.devicePath;
}

} // namespace wl3
