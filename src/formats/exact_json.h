#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace wl3 {

// A JSON number written with a fraction or an exponent, as its text says: an integer when
// its digits make it one exactly (1e3, 12.50e1, 1000.0), else value, a float, however close
// to a whole number a double would round it (2147483646.9999999999, 1e-400).
nlohmann::ordered_json exactNumber(double value, const std::string& text);

} // namespace wl3
