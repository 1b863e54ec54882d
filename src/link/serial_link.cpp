#include "link/serial_link.h"

#include "config/config_image.h"
#include "link/port_access.h"
#include "link/serial_timeouts.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace wl3 {

namespace {

constexpr int kPauseAfterByteMs = 10;
constexpr int kPauseBeforeToneMs = 50;
constexpr int kWriteDrainSize = 100;
// The tracker drops an image whose bytes stop coming for a second; until then it takes any
// byte for the rest of it, the next command's too.
constexpr int kSilenceAfterCutImageMs = 1100;

constexpr std::uint8_t kEsc = 0x1B;
constexpr std::array<std::uint8_t, 3> kVersionCommand{kEsc, kEsc, 'V'};
constexpr std::array<std::uint8_t, 2> kReadCommand{kEsc, 'U'};
constexpr std::array<std::uint8_t, 4> kWriteHeader{kEsc, 'D', 0xAA, 0x55};
constexpr std::array<std::uint8_t, 3> kStopTone{kEsc, kEsc, 'x'};

constexpr std::string_view kVersionPrefix = "Wrenlink3 ";

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The comparison stops at the reply's end, so a reply shorter than the prefix never matches.
bool startsWithVersionPrefix(std::span<const char> reply) {
    if (reply.size() < kVersionPrefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kVersionPrefix.size(); ++i) {
        if (reply[i] == '\0' || asciiLower(reply[i]) != asciiLower(kVersionPrefix[i])) {
            return false;
        }
    }
    return true;
}

std::span<std::uint8_t> asBytes(std::span<char> text) {
    return {reinterpret_cast<std::uint8_t*>(text.data()), text.size()};
}

// Watches nothing and never stops, for a link that nobody observes.
ExchangeObserver& unobserved() {
    static ExchangeObserver observer;
    return observer;
}

int sizeOf(std::span<const std::uint8_t> bytes) {
    return static_cast<int>(bytes.size());
}

} // namespace

SerialLink::SerialLink(Reporter& reporter, std::unique_ptr<SerialPort> port, PortResolver comPorts)
    : reporter_(reporter), port_(std::move(port)), comPorts_(std::move(comPorts)),
      observer_(&unobserved()) {}

void SerialLink::setPort(PortChoice choice) {
    choice_ = std::move(choice);
}

void SerialLink::setObserver(ExchangeObserver& observer) {
    observer_ = &observer;
}

Status SerialLink::openPort() {
    stopped_ = false;
    if (port_->isOpen()) {
        closePort();
    }
    if (choice_.portNumber < 1 || choice_.portNumber > kComPortCount) {
        reporter_.report(PortNumberInvalid{});
        return Status::Failed;
    }
    observer_->holdingPort(true);
    // A COM port without a device on this machine is named as the user chose it.
    const std::string device = deviceFor(choice_, comPorts_);
    const std::optional<PortError> error =
        device.empty() ? PortError{PortFailure::NoDevice, comPortName(choice_.portNumber)}
                       : port_->open(device);
    if (failed(PortCall::Open, error)) {
        observer_->holdingPort(false);
        return Status::Failed;
    }
    if (failed(PortCall::ReadSettings, port_->readSettings()) ||
        failed(PortCall::ApplyLineSettings, port_->applyLineSettings()) ||
        failed(PortCall::ApplyTimeouts, port_->applyTimeouts())) {
        return Status::Failed;
    }
    return Status::Ok;
}

Status SerialLink::closePort() {
    if (!port_->isOpen()) {
        reporter_.report(PortNotOpen{});
        return Status::Failed;
    }
    const std::optional<PortError> error = port_->close();
    observer_->holdingPort(port_->isOpen());
    return failed(PortCall::Close, error) ? Status::Failed : Status::Ok;
}

Status SerialLink::writeBytes(std::span<const std::uint8_t> bytes) {
    return writeBytes(bytes, false);
}

int SerialLink::readBytes(std::span<std::uint8_t> buffer) {
    return readBytes(buffer, false);
}

Status SerialLink::writeBytes(std::span<const std::uint8_t> bytes, bool counted) {
    if (!port_->isOpen()) {
        reporter_.report(PortNotOpen{});
        return Status::Failed;
    }
    std::size_t total = 0;
    for (const std::uint8_t byte : bytes) {
        if (stopNow()) {
            return Status::Stopped;
        }
        int written = 0;
        if (const std::optional<PortError> error = port_->writeByte(byte, written)) {
            failed(PortCall::Write, error);
            return Status::Failed;
        }
        port_->pause(kPauseAfterByteMs);
        total += static_cast<std::size_t>(written);
        bytesWritten_ += written;
        if (counted) {
            reportDone(bytesDone_ + written);
        }
    }
    if (total != bytes.size()) {
        reporter_.report(WriteMismatch{imagePartlySent()});
        return Status::Failed;
    }
    return Status::Ok;
}

int SerialLink::readBytes(std::span<std::uint8_t> buffer, bool counted) {
    if (!port_->isOpen()) {
        reporter_.report(PortNotOpen{});
        return 0;
    }
    if (stopNow()) {
        return 0;
    }
    int received = 0;
    const auto error = port_->read(buffer, received, [this, counted](int soFar) {
        if (counted) {
            reportDone(soFar);
        }
        return !stopNow();
    });
    return failed(PortCall::Read, error) ? 0 : received;
}

bool SerialLink::failed(PortCall call, const std::optional<PortError>& error) {
    if (error) {
        // What would let the user in is judged now, while the refusal is fresh.
        const PortAccessCheck access = error->kind == PortFailure::AccessDenied
                                           ? checkPortAccess(error->path)
                                           : PortAccessCheck{};
        reporter_.report(
            PortCallFailed{call, *error, access, call == PortCall::Write && imagePartlySent()});
    }
    return error.has_value();
}

int SerialLink::readReply(std::span<std::uint8_t> buffer, bool counted) {
    const int received = readBytes(buffer, counted);
    // A stopped read is left to abandonReply.
    if (!stopped_ && !buffer.empty()) {
        dropRestIfFull(static_cast<std::size_t>(received), buffer.size());
    }
    return received;
}

// A read that filled its buffer may have left more on the way: a reply longer than expected,
// or line noise. Left there, it would reach the next command's reply.
void SerialLink::dropRestIfFull(std::size_t received, std::size_t capacity) {
    if (received == capacity) {
        port_->dropUntilQuiet(kReadIntervalTimeoutMs, kQuietLineLimitMs);
    }
}

bool SerialLink::imagePartlySent() const {
    return phase_ == ExchangePhase::Writing && bytesWritten_ > 0 && bytesDone_ < bytesExpected_;
}

void SerialLink::beginPhase(ExchangePhase phase, int bytesExpected) {
    phase_ = phase;
    bytesDone_ = 0;
    bytesWritten_ = 0;
    bytesExpected_ = bytesExpected;
    observer_->progress(phase_, bytesDone_, bytesExpected_);
}

void SerialLink::reportDone(int bytesDone) {
    if (bytesDone != bytesDone_) {
        bytesDone_ = bytesDone;
        observer_->progress(phase_, bytesDone_, bytesExpected_);
    }
}

// Once seen, a stop holds for the rest of the exchange, whatever the observer says later.
bool SerialLink::stopNow() {
    if (!stopped_ && (imagePartlySent() ? observer_->stopAtOnce() : observer_->stopRequested())) {
        stopped_ = true;
    }
    return stopped_;
}

Status SerialLink::abandon(Status status) {
    closePort();
    return status;
}

// The port is held through the silence, so that no other program's command is heard as the
// rest of the image either.
Status SerialLink::abandonImage(Status status) {
    if (imagePartlySent()) {
        port_->pause(kSilenceAfterCutImageMs);
    }
    return abandon(status);
}

// The tracker goes on sending what it started. Left on the line, the rest would arrive
// after the next command's flush and be taken for that command's reply.
void SerialLink::abandonReply(std::size_t unread) {
    std::vector<std::uint8_t> rest(unread);
    int received = 0;
    port_->read(rest, received, [](int) { return true; });
    dropRestIfFull(static_cast<std::size_t>(received), unread);
    closePort();
}

Status SerialLink::queryVersion(std::span<char> buffer) {
    beginPhase(ExchangePhase::CheckingTracker, sizeOf(kVersionCommand));
    if (openPort() != Status::Ok) {
        return Status::Failed;
    }
    // One place is kept for the terminating NUL.
    const std::span<std::uint8_t> text =
        asBytes(buffer).first(buffer.empty() ? 0 : buffer.size() - 1);
    readReply(text);
    if (const Status sent = writeBytes(kVersionCommand, true); sent != Status::Ok) {
        return abandon(sent);
    }
    const int received = readReply(text);
    if (!buffer.empty()) {
        buffer[static_cast<std::size_t>(received)] = '\0';
    }
    if (stopped_) {
        abandonReply(text.size() - static_cast<std::size_t>(received));
        return Status::Stopped;
    }
    if (!startsWithVersionPrefix(buffer.first(static_cast<std::size_t>(received)))) {
        reporter_.report(TrackerNotFound{port_->device(), received != 0});
        return abandon(Status::Failed);
    }
    return closePort();
}

int SerialLink::readImageOnce(std::span<std::uint8_t> buffer) {
    return readImageOnce(buffer, ExchangePhase::FirstRead);
}

int SerialLink::readImageOnce(std::span<std::uint8_t> buffer, ExchangePhase phase) {
    beginPhase(phase, kImageSize);
    if (openPort() != Status::Ok) {
        return 0;
    }
    readReply(buffer);
    if (writeBytes(kReadCommand) != Status::Ok) {
        closePort();
        return 0;
    }
    const int received = readReply(buffer, true);
    if (stopped_) {
        abandonReply(buffer.size() - static_cast<std::size_t>(received));
        return 0;
    }
    return closePort() == Status::Ok ? received : 0;
}

int SerialLink::readImage(std::span<std::uint8_t> buffer) {
    const int first = readImageOnce(buffer, ExchangePhase::FirstRead);
    if (first == 0) {
        return 0;
    }
    std::vector<std::uint8_t> second(buffer.size());
    if (readImageOnce(second, ExchangePhase::SecondRead) != first) {
        return 0;
    }
    const auto count = static_cast<std::size_t>(first);
    return std::ranges::equal(buffer.first(count), std::span(second).first(count)) ? first : 0;
}

// The progress counts the image's bytes, as a read does; the header before them is no
// part of the image, though the tracker takes what follows it as one.
Status SerialLink::transmitImage(std::span<const std::uint8_t> image) {
    beginPhase(ExchangePhase::Writing, sizeOf(image));
    if (openPort() != Status::Ok) {
        return Status::Failed;
    }
    std::array<std::uint8_t, kWriteDrainSize> drain{};
    readReply(drain);
    if (const Status sent = writeBytes(kWriteHeader, false); sent != Status::Ok) {
        return abandonImage(sent);
    }
    if (const Status sent = writeBytes(image, true); sent != Status::Ok) {
        return abandonImage(sent);
    }
    return closePort();
}

Status SerialLink::writeImage(std::span<const std::uint8_t> image) {
    if (const Status sent = transmitImage(image); sent != Status::Ok) {
        return sent;
    }
    // A stop asked for while the image went out ends the command here, before the read-back.
    if (stopNow()) {
        return Status::Stopped;
    }
    std::array<std::uint8_t, kImageBufferSize> readBack{};
    const int received = readImageOnce(readBack, ExchangePhase::ReadingBack);
    if (stopped_) {
        return Status::Stopped;
    }
    const int sent = sizeOf(image);
    if (received != sent) {
        reporter_.report(WriteNotVerified{sent, received});
        return Status::Failed;
    }
    if (!std::equal(image.begin(), image.end(), readBack.begin())) {
        reporter_.report(WriteNotVerified{sent, sent});
        return Status::Failed;
    }
    return Status::Ok;
}

Status SerialLink::sendTone(ToneCode code) {
    const std::array<std::uint8_t, 3> tone{kEsc, kEsc, static_cast<std::uint8_t>(code)};
    beginPhase(ExchangePhase::Tone, sizeOf(kStopTone) + sizeOf(tone));
    if (openPort() != Status::Ok) {
        return Status::Failed;
    }
    if (const Status sent = writeBytes(kStopTone, true); sent != Status::Ok) {
        return abandon(sent);
    }
    port_->pause(kPauseBeforeToneMs);
    if (const Status sent = writeBytes(tone, true); sent != Status::Ok) {
        return abandon(sent);
    }
    return closePort();
}

} // namespace wl3
