#include "command_parser.h"

namespace wl3::sim {

namespace {

constexpr std::uint8_t kEsc = 0x1B;

// The host paces image bytes 10 ms apart; a pause this long means it gave up.
constexpr std::chrono::seconds kAbandonedWrite{1};

} // namespace

std::optional<Command> CommandParser::feed(std::uint8_t byte, Clock::time_point now) {
    if (state_ == State::WriteData && now - lastByte_ > kAbandonedWrite) {
        state_ = State::Idle;
    }
    lastByte_ = now;
    switch (state_) {
    case State::Idle:
        if (byte == kEsc) {
            state_ = State::Esc;
        }
        return std::nullopt;
    case State::Esc:
        state_ = State::Idle;
        if (byte == kEsc) {
            state_ = State::EscEsc;
        } else if (byte == 'U') {
            return Command{Command::Kind::ReadImage};
        } else if (byte == 'D') {
            state_ = State::WriteAA;
        }
        return std::nullopt;
    case State::EscEsc:
        state_ = State::Idle;
        if (byte == kEsc) {
            state_ = State::EscEsc;
        } else if (byte == 'V') {
            return Command{Command::Kind::Version};
        } else if (byte == '1' || byte == '2' || byte == '3' || byte == 'x') {
            return Command{Command::Kind::Tone, byte};
        }
        return std::nullopt;
    case State::WriteAA:
        state_ = byte == 0xAA ? State::Write55 : State::Idle;
        return std::nullopt;
    case State::Write55:
        state_ = byte == 0x55 ? State::WriteData : State::Idle;
        data_.clear();
        return std::nullopt;
    case State::WriteData:
        data_.push_back(byte);
        if (data_.size() < imageSize_) {
            return std::nullopt;
        }
        state_ = State::Idle;
        return Command{Command::Kind::WriteImage, 0, std::move(data_)};
    }
    return std::nullopt;
}

} // namespace wl3::sim
