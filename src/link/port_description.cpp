#include "link/port_description.h"

#include "link/port_choice.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace wl3 {

namespace {

bool isHex(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// The four hex digits after key ("VID_" or "PID_"), as the hardware id spells them.
std::string_view idAfter(std::string_view hardwareId, std::string_view key) {
    const std::size_t at = hardwareId.find(key);
    if (at == std::string_view::npos || hardwareId.size() - at - key.size() < 4) {
        return {};
    }
    const std::string_view digits = hardwareId.substr(at + key.size(), 4);
    return isHex(digits) ? digits : std::string_view{};
}

std::string_view withoutPortSuffix(std::string_view name) {
    const std::size_t open = name.rfind(" (" + std::string(kComPortPrefix));
    if (open != std::string_view::npos && name.ends_with(')')) {
        name = name.substr(0, open);
    }
    return name;
}

} // namespace

std::string describePort(std::string_view friendlyName, std::string_view manufacturer,
                         std::string_view hardwareId) {
    std::vector<std::string> parts;
    const std::string_view name = withoutPortSuffix(friendlyName);
    if (!name.empty()) {
        parts.emplace_back(name);
    }
    // Windows' own driver names no maker, only this placeholder.
    if (!manufacturer.empty() && manufacturer != "(Standard port types)" &&
        name.find(manufacturer) == std::string_view::npos) {
        parts.emplace_back(manufacturer);
    }
    const std::string_view vendor = idAfter(hardwareId, "VID_");
    const std::string_view product = idAfter(hardwareId, "PID_");
    if (!vendor.empty() && !product.empty()) {
        parts.push_back("USB " + std::string(vendor) + ":" + std::string(product));
    }
    std::string line;
    for (const std::string& part : parts) {
        line += (line.empty() ? "" : ", ") + part;
    }
    return line;
}

bool isUsbHardwareId(std::string_view hardwareId) {
    return !idAfter(hardwareId, "VID_").empty() && !idAfter(hardwareId, "PID_").empty();
}

} // namespace wl3
