#pragma once

#include <cstdint>

namespace wl3 {

// The one-byte result of an operation that reports its own failures: the caller only
// needs to know whether to stop. Stopped is an exchange with the tracker that the user
// ended early; nothing is reported for it, since the user knows.
enum class Status : std::uint8_t { Ok = 0, Failed = 1, Stopped = 2 };

} // namespace wl3
