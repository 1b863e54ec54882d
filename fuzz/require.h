#pragma once

#include <cstdlib>

namespace wl3::fuzz {

// A property the target must keep: breaking it is a find, so the fuzzer stops there.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace wl3::fuzz
