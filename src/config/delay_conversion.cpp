#include "config/delay_conversion.h"

#include "config/tracker_config.h"

#include <bit>
#include <cmath>

namespace wl3 {
namespace {

constexpr double kTxDelayToByteFactor = std::bit_cast<float>(0x3E199D89u);     // 0.15001501
constexpr double kTxDelayFromByteFactor = std::bit_cast<float>(0x40D54FDFu);   // 6.666
constexpr double kQuietTimeToByteFactor = std::bit_cast<float>(0x3D1BBDD0u);   // 0.038022816
constexpr double kQuietTimeFromByteFactor = std::bit_cast<float>(0x41D26666u); // 26.3

// Any int stays far inside int's range after the factors below 1, so the truncation
// cannot overflow.
std::uint8_t toByte(int milliseconds, int bias, double factor) {
    const double units = std::trunc((static_cast<double>(milliseconds) + bias) * factor + 0.5);
    return static_cast<std::uint8_t>(clampInt(static_cast<int>(units), 0, 255));
}

int fromByte(std::uint8_t value, double factor) {
    return static_cast<int>(std::trunc(value * factor + 0.5));
}

} // namespace

std::uint8_t txDelayToByte(int milliseconds) {
    return toByte(milliseconds, 3, kTxDelayToByteFactor);
}

int txDelayFromByte(std::uint8_t value) {
    return fromByte(value, kTxDelayFromByteFactor);
}

std::uint8_t quietTimeToByte(int milliseconds) {
    return toByte(milliseconds, 13, kQuietTimeToByteFactor);
}

int quietTimeFromByte(std::uint8_t value) {
    return fromByte(value, kQuietTimeFromByteFactor);
}

} // namespace wl3
