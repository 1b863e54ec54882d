#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

namespace wl3 {

// Json::parse, except for numbers written with a fraction or an exponent: such a number
// becomes an integer when its digits make it one exactly (1e3, 12.50e1, 1000.0) and stays a
// float otherwise, however close to a whole number a double would round it
// (2147483646.9999999999, 1e-400). Throws as Json::parse does.
nlohmann::ordered_json parseJsonExactly(std::string_view text);

} // namespace wl3
