#pragma once

#include <cstdint>

namespace wl3 {

// The tracker counts its TX delays in units of about 6.666 ms and its quiet time in units
// of about 26.3 ms, one byte each. Stored images were made with single-precision
// factors; exact decimal ones would decode some bytes one millisecond higher.
std::uint8_t txDelayToByte(int milliseconds);
int txDelayFromByte(std::uint8_t value);
std::uint8_t quietTimeToByte(int milliseconds);
int quietTimeFromByte(std::uint8_t value);

} // namespace wl3
