#pragma once

#include "config/status.h"
#include "link/exchange_observer.h"
#include "link/port_choice.h"
#include "link/serial_port.h"
#include "outcomes/reporter.h"

#include <cstdint>
#include <memory>
#include <span>

namespace wl3 {

// The byte a tone command ends with.
enum class ToneCode : std::uint8_t {
    Send1200Hz = '1',
    Send2200Hz = '2',
    SendBoth = '3',
    Stop = 'x',
};

// The one way to the tracker: the port chosen and, during an exchange, the open port. Every
// failure is reported through the reporter by the operation that finds it. Each tracker
// command is one complete exchange that opens and closes the port, and tells the observer
// how far it has got.
class SerialLink {
public:
    // comPorts gives the device of a COM port each time one is opened.
    SerialLink(Reporter& reporter, std::unique_ptr<SerialPort> port, PortResolver comPorts);

    // Stored unchecked; only the COM port numbers (1 to kComPortCount) open.
    void setPort(PortChoice choice);
    const PortChoice& port() const { return choice_; }
    bool isOpen() const { return port_->isOpen(); }

    // From now on; observer must outlive its use here. Until then, nobody watches.
    void setObserver(ExchangeObserver& observer);

    // Whether the last exchange ended because the observer asked it to stop. The
    // operations then fail (0 bytes, or Status::Stopped) and report nothing.
    bool stopped() const { return stopped_; }

    // Byte level.
    Status openPort();
    Status closePort();
    Status writeBytes(std::span<const std::uint8_t> bytes);
    int readBytes(std::span<std::uint8_t> buffer);

    // Tracker commands. The version reply is left in buffer as NUL-terminated text of at
    // most buffer.size() - 1 characters.
    Status queryVersion(std::span<char> buffer);
    int readImageOnce(std::span<std::uint8_t> buffer);
    int readImage(std::span<std::uint8_t> buffer);
    // The write command and the image, unverified: writeImage reads it back.
    Status transmitImage(std::span<const std::uint8_t> image);
    Status writeImage(std::span<const std::uint8_t> image);
    Status sendTone(ToneCode code);

private:
    int readImageOnce(std::span<std::uint8_t> buffer, ExchangePhase phase);

    // Bytes that count towards the phase's progress go through the counted forms.
    Status writeBytes(std::span<const std::uint8_t> bytes, bool counted);
    int readBytes(std::span<std::uint8_t> buffer, bool counted);
    // Reports a failed call of the port; false when the call worked.
    bool failed(PortCall call, const std::optional<PortError>& error);
    // A drain or a reply: readBytes, and when that fills the buffer, whatever follows is
    // dropped until the line is quiet.
    int readReply(std::span<std::uint8_t> buffer, bool counted = false);
    void dropRestIfFull(std::size_t received, std::size_t capacity);
    // Between the first and the last byte of an image write.
    bool imagePartlySent() const;
    void beginPhase(ExchangePhase phase, int bytesExpected);
    void reportDone(int bytesDone);
    bool stopNow();
    // Releases the port of an exchange that failed or was stopped.
    Status abandon(Status status);
    // The same for an image write, which first leaves the tracker time to drop part of an
    // image.
    Status abandonImage(Status status);
    // Releases the port of an exchange stopped while the tracker was replying, once the
    // rest of the reply (at most unread bytes) has come and gone.
    void abandonReply(std::size_t unread);

    Reporter& reporter_;
    std::unique_ptr<SerialPort> port_;
    PortResolver comPorts_;
    ExchangeObserver* observer_;
    PortChoice choice_;
    bool stopped_ = false;
    ExchangePhase phase_ = ExchangePhase::CheckingTracker;
    int bytesDone_ = 0;
    int bytesExpected_ = 0;
    int bytesWritten_ = 0; // in the phase, counted or not: a write header is on the line too
};

} // namespace wl3
