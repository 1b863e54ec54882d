#pragma once

#include <filesystem>
#include <string>

namespace wl3 {

// What a person would call the tty device `name` ("ttyUSB0"), from the sysfs tree at
// sysRoot ("/sys" on a running system): the maker and product of a USB adapter, or whether
// a built-in port has hardware behind it. Empty when sysfs says nothing.
std::string describeTty(const std::filesystem::path& sysRoot, const std::string& name);

} // namespace wl3
