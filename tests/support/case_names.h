#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace wl3::test {

// The name of a parameterised test case made from its input, so that ctest lists every case
// under a name of its own: the input's letters and digits, each run of other bytes as one
// '_', at most 48 characters; "empty" for an empty input.
inline std::string caseName(std::string_view input) {
    constexpr std::size_t kLongest = 48;
    std::string name;
    for (const char c : input) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            name += c;
        } else if (name.empty() || name.back() != '_') {
            name += '_';
        }
    }
    name.resize(std::min(name.size(), kLongest));
    return name.empty() ? "empty" : name;
}

// For INSTANTIATE_TEST_SUITE_P: names each case by what input(param) gives.
template <typename Input> auto namedBy(Input input) {
    return [input](const auto& info) { return caseName(input(info.param)); };
}

} // namespace wl3::test
