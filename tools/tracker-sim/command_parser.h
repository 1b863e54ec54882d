#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace wl3::sim {

struct Command {
    enum class Kind { Version, ReadImage, WriteImage, Tone };
    Kind kind;
    std::uint8_t toneCode = 0;         // for Tone: '1', '2', '3' or 'x'
    std::vector<std::uint8_t> image{}; // for WriteImage
};

// Recognises the tracker's commands in the byte stream from the host; anything else is
// skipped, as the tracker does.
class CommandParser {
public:
    using Clock = std::chrono::steady_clock;

    explicit CommandParser(std::size_t imageSize) : imageSize_(imageSize) {}

    std::optional<Command> feed(std::uint8_t byte, Clock::time_point now);

private:
    enum class State { Idle, Esc, EscEsc, WriteAA, Write55, WriteData };

    std::size_t imageSize_;
    State state_ = State::Idle;
    std::vector<std::uint8_t> data_;
    Clock::time_point lastByte_{};
};

} // namespace wl3::sim
