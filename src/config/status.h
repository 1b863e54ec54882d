#pragma once

#include <cstdint>

namespace wl3 {

// The one-byte result of an operation that reports its own failures: the caller only
// needs to know whether to stop.
enum class Status : std::uint8_t { Ok = 0, Failed = 1 };

} // namespace wl3
