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

// A read that fills its buffer is followed by dropping what else comes until the line has
// been quiet for the read interval, but for no longer than this: a line that never falls
// quiet (noise) must not hold the command.
inline constexpr int kQuietLineLimitMs = 1000;

} // namespace wl3
