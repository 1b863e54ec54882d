#include "link/tty_description.h"

#include <fstream>
#include <system_error>

namespace wl3 {

namespace {

std::string firstLineOf(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

std::string usbDescription(const std::filesystem::path& usbDevice) {
    const std::string maker = firstLineOf(usbDevice / "manufacturer");
    const std::string product = firstLineOf(usbDevice / "product");
    if (maker.empty() && product.empty()) {
        return "USB " + firstLineOf(usbDevice / "idVendor") + ":" +
               firstLineOf(usbDevice / "idProduct");
    }
    if (maker.empty() || product.empty()) {
        return maker + product;
    }
    return maker + " " + product;
}

} // namespace

std::string describeTty(const std::filesystem::path& sysRoot, const std::string& name) {
    const std::filesystem::path tty = sysRoot / "class" / "tty" / name;
    if (name.starts_with("ttyS") || name.starts_with("ttyAMA")) {
        // The kernel makes these nodes whether or not a UART answers; type 0 means none did.
        return firstLineOf(tty / "type") == "0" ? "built-in serial port (no hardware found)"
                                                : "built-in serial port";
    }
    // The USB device that names the maker is one level above a CDC-ACM tty's device (its
    // interface) and two above a USB-serial converter's (its port, below the interface).
    std::error_code error;
    std::filesystem::path dir = std::filesystem::canonical(tty / "device", error);
    for (int level = 0; !error && level < 3 && dir.has_relative_path(); ++level) {
        if (std::filesystem::exists(dir / "idVendor", error)) {
            return usbDescription(dir);
        }
        dir = dir.parent_path();
    }
    return {};
}

} // namespace wl3
