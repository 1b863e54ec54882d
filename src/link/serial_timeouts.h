#pragma once

// The time-outs of the line, the same on every platform. A read ends once the line has been
// quiet for the interval after a byte, or at the per-byte time for each byte asked for plus
// the constant after it began; a write of n bytes gives up after the per-byte time for each
// plus the constant.
namespace wl3 {

inline constexpr int kReadIntervalTimeoutMs = 50;
inline constexpr int kReadTotalPerByteMs = 2;
inline constexpr int kReadTotalConstantMs = 300;
inline constexpr int kWriteTotalPerByteMs = 2;
inline constexpr int kWriteTotalConstantMs = 300;

} // namespace wl3
