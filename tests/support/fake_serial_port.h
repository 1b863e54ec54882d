#pragma once

#include "link/serial_port.h"

#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace wl3::test {

// The device a FakeSerialPort stands for as COM<portNumber>: /dev/ttyFAKE0 for COM1.
inline std::string fakeDevice(int portNumber) {
    return "/dev/ttyFAKE" + std::to_string(portNumber - 1);
}

// What a FakeSerialPort does and what it was asked to do. The test keeps this while the
// link owns the port.
struct FakePortScript {
    bool failOpen = false;
    PortError openError; // what a failed open gives
    bool failReadSettings = false;
    PortError settingsError; // what a failed readSettings gives
    bool failApplyLineSettings = false;
    bool failApplyTimeouts = false;
    bool failClose = false;
    std::optional<std::size_t> failWriteAt; // index of the byte, counted over all writes
    std::set<std::size_t> notTakenAt;

    // One entry per read call, in order; nullopt makes that read fail. Reads beyond the
    // script receive nothing.
    std::deque<std::optional<std::vector<std::uint8_t>>> replies;

    // Every call, as "open /dev/ttyFAKE1", "settings", "line", "timeouts", "write 1b", "pause 10",
    // "read 29", "drop until quiet" and "close".
    std::vector<std::string> calls;
    std::vector<std::uint8_t> written;
    bool isOpen = false;
};

class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(std::shared_ptr<FakePortScript> script) : s_(std::move(script)) {}

    bool isOpen() const override { return s_->isOpen; }
    std::string device() const override { return device_; }

    std::optional<PortError> open(const std::string& device) override {
        s_->calls.push_back("open " + device);
        if (s_->failOpen) {
            return s_->openError;
        }
        s_->isOpen = true;
        device_ = device;
        return std::nullopt;
    }
    std::optional<PortError> readSettings() override {
        return record("settings", s_->failReadSettings, s_->settingsError);
    }
    std::optional<PortError> applyLineSettings() override {
        return record("line", s_->failApplyLineSettings);
    }
    std::optional<PortError> applyTimeouts() override {
        return record("timeouts", s_->failApplyTimeouts);
    }

    std::optional<PortError> writeByte(std::uint8_t byte, int& written) override {
        s_->calls.push_back(writeCall(byte));
        const std::size_t index = writeIndex_++;
        if (s_->failWriteAt == index) {
            return PortError{PortFailure::Unexplained, device_};
        }
        written = s_->notTakenAt.contains(index) ? 0 : 1;
        if (written == 1) {
            s_->written.push_back(byte);
        }
        return std::nullopt;
    }

    // The reply arrives in one piece, and the watcher hears of it once.
    std::optional<PortError> read(std::span<std::uint8_t> buffer, int& received,
                                  const ReadWatcher& watcher) override {
        s_->calls.push_back("read " + std::to_string(buffer.size()));
        received = 0;
        if (!s_->replies.empty()) {
            const auto reply = std::move(s_->replies.front());
            s_->replies.pop_front();
            if (!reply) {
                return PortError{PortFailure::Unexplained, device_};
            }
            const std::size_t count = std::min(reply->size(), buffer.size());
            std::copy_n(reply->begin(), count, buffer.begin());
            received = static_cast<int>(count);
        }
        watcher(received);
        return std::nullopt;
    }

    void dropUntilQuiet(int /*quietMs*/, int /*limitMs*/) override {
        s_->calls.push_back("drop until quiet");
    }

    std::optional<PortError> close() override {
        if (const auto error = record("close", s_->failClose)) {
            return error;
        }
        s_->isOpen = false;
        return std::nullopt;
    }

    void pause(int milliseconds) override {
        s_->calls.push_back("pause " + std::to_string(milliseconds));
    }

    static std::string writeCall(std::uint8_t byte) {
        char text[16];
        std::snprintf(text, sizeof text, "write %02x", byte);
        return text;
    }

private:
    std::optional<PortError> record(const char* call, bool fail, PortError error = {}) {
        s_->calls.push_back(call);
        if (fail) {
            return error;
        }
        return std::nullopt;
    }

    std::shared_ptr<FakePortScript> s_;
    std::string device_;
    std::size_t writeIndex_ = 0;
};

} // namespace wl3::test
