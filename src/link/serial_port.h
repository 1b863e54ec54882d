#pragma once

#include "link/port_error.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace wl3 {

// Watches one read: given the bytes received so far, says whether to go on.
using ReadWatcher = std::function<bool(int received)>;

// What an operating system offers for one serial port. SerialLink owns the protocol and
// reports every failure; an implementation only does the call and says whether it worked,
// and why where the system says. One implementation per platform, and a fake in the tests.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // True between a successful open() and a successful close().
    virtual bool isOpen() const = 0;
    // The device that the last successful open() opened, for messages.
    virtual std::string device() const = 0;

    // Opens device, a path such as /dev/ttyUSB0 or \\.\COM3, for exclusive use. Nothing on
    // success; on failure nothing is held, and the error says which device and why.
    virtual std::optional<PortError> open(const std::string& device) = 0;

    // Each call below gives nothing on success, and on failure the error, which says why
    // where the system does.

    // Reads the port's current line settings and keeps them for applyLineSettings() and for
    // close(), which puts them back. NotSerial when the device is no serial port at all.
    virtual std::optional<PortError> readSettings() = 0;

    // 4800 baud, 8 data bits, no parity, one stop bit, raw bytes; the rest as read.
    virtual std::optional<PortError> applyLineSettings() = 0;

    // Those of serial_timeouts.h, for the reads and the one-byte writes that follow.
    virtual std::optional<PortError> applyTimeouts() = 0;

    // One write call of one byte. written is 1, or 0 when the port did not take the byte
    // in time, which is no failure of the call.
    virtual std::optional<PortError> writeByte(std::uint8_t byte, int& written) = 0;

    // One read bounded by the time-outs. received is how many bytes arrived, maybe none.
    // watcher is told the count so far as bytes arrive and at least every read interval
    // time-out while the read waits (where the platform can wake); false from it ends the
    // read there, with what has arrived.
    virtual std::optional<PortError> read(std::span<std::uint8_t> buffer, int& received,
                                          const ReadWatcher& watcher) = 0;

    // Reads and drops whatever arrives until the line has been quiet for quietMs, or for at
    // most limitMs in all. A failed read ends it too; the next call meets that failure.
    virtual void dropUntilQuiet(int quietMs, int limitMs) = 0;

    // Puts back the line settings that readSettings() found, once they were changed, then
    // closes. When closing fails the port stays open where the system still holds it (POSIX
    // releases the descriptor whatever close() reports).
    virtual std::optional<PortError> close() = 0;

    // The pacing pauses of the protocol go through here so that fakes need not wait.
    virtual void pause(int milliseconds) = 0;
};

// This machine's serial port.
std::unique_ptr<SerialPort> makeSystemSerialPort();

} // namespace wl3
