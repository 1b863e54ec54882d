#include "link/port_mapping.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace wl3 {

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool containsNoCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

constexpr int kBuiltInRank = 5;

// Rank of a device family in the port order, or nothing for a device that is no serial port.
std::optional<int> familyRank(std::string_view path) {
    constexpr std::string_view kDev = "/dev/";
    if (!path.starts_with(kDev)) {
        return std::nullopt;
    }
    const std::string_view name = path.substr(kDev.size());
    const auto numbered = [&](std::string_view prefix) {
        return name.starts_with(prefix) && allDigits(name.substr(prefix.size()));
    };
    if (numbered("ttyUSB")) {
        return 0;
    }
    if (numbered("ttyACM")) {
        return 1;
    }
    if (name.starts_with("cu.usbserial")) {
        return 2;
    }
    if (name.starts_with("cu.usbmodem")) {
        return 3;
    }
    if (name.starts_with("cu.") && (containsNoCase(name, "usb") || containsNoCase(name, "uart"))) {
        return 4;
    }
    if (numbered("ttyS")) {
        return kBuiltInRank;
    }
    // The UARTs of ARM boards: the Raspberry Pi's /dev/ttyAMA0, which /dev/serial0 names.
    if (numbered("ttyAMA")) {
        return kBuiltInRank + 1;
    }
    return std::nullopt;
}

// Compares runs of digits by value, so that ttyUSB2 comes before ttyUSB10.
bool naturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::size_t aEnd = a.find_first_not_of("0123456789", i);
            const std::size_t bEnd = b.find_first_not_of("0123456789", j);
            std::string_view aRun = a.substr(i, aEnd - i);
            std::string_view bRun = b.substr(j, bEnd - j);
            aRun.remove_prefix(std::min(aRun.find_first_not_of('0'), aRun.size()));
            bRun.remove_prefix(std::min(bRun.find_first_not_of('0'), bRun.size()));
            if (aRun.size() != bRun.size()) {
                return aRun.size() < bRun.size();
            }
            if (aRun != bRun) {
                return aRun < bRun;
            }
            i = std::min(aEnd, a.size());
            j = std::min(bEnd, b.size());
        } else {
            if (a[i] != b[j]) {
                return a[i] < b[j];
            }
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::vector<std::string> orderSerialDevices(std::vector<std::string> paths) {
    std::erase_if(paths, [](const std::string& path) { return !familyRank(path); });
    std::sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
        const int rankA = *familyRank(a);
        const int rankB = *familyRank(b);
        if (rankA != rankB) {
            return rankA < rankB;
        }
        return naturalLess(a, b);
    });
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

bool isUsbSerialDevice(std::string_view path) {
    const std::optional<int> rank = familyRank(path);
    return rank && *rank < kBuiltInRank;
}

} // namespace wl3
