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

// What a FakeSerialPort does and what it was asked to do. The test keeps this while the
// link owns the port.
struct FakePortScript {
    bool failOpen = false;
    PortOpenError openError; // what a failed open gives
    bool failReadSettings = false;
    PortOpenError settingsError; // what a failed readSettings gives
    bool failApplyLineSettings = false;
    bool failApplyTimeouts = false;
    bool failClose = false;
    std::optional<std::size_t> failWriteAt; // index of the byte, counted over all writes
    std::set<std::size_t> notTakenAt;

    // One entry per read call, in order; nullopt makes that read fail. Reads beyond the
    // script receive nothing.
    std::deque<std::optional<std::vector<std::uint8_t>>> replies;

    // Every call, as "open 2", "settings", "line", "timeouts", "write 1b", "pause 10",
    // "read 29", "drop until quiet" and "close".
    std::vector<std::string> calls;
    std::vector<std::uint8_t> written;
    bool isOpen = false;
};

class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(std::shared_ptr<FakePortScript> script) : s_(std::move(script)) {}

    bool isOpen() const override { return s_->isOpen; }
    std::string device() const override { return "/dev/ttyFAKE0"; }

    std::optional<PortOpenError> open(int portNumber) override {
        s_->calls.push_back("open " + std::to_string(portNumber));
        if (s_->failOpen) {
            return s_->openError;
        }
        s_->isOpen = true;
        return std::nullopt;
    }
    std::optional<PortOpenError> readSettings() override {
        if (!record("settings", !s_->failReadSettings)) {
            return s_->settingsError;
        }
        return std::nullopt;
    }
    bool applyLineSettings() override { return record("line", !s_->failApplyLineSettings); }
    bool applyTimeouts() override { return record("timeouts", !s_->failApplyTimeouts); }

    bool writeByte(std::uint8_t byte, int& written) override {
        s_->calls.push_back(writeCall(byte));
        const std::size_t index = writeIndex_++;
        if (s_->failWriteAt == index) {
            return false;
        }
        written = s_->notTakenAt.contains(index) ? 0 : 1;
        if (written == 1) {
            s_->written.push_back(byte);
        }
        return true;
    }

    // The reply arrives in one piece, and the watcher hears of it once.
    std::optional<PortOpenError> read(std::span<std::uint8_t> buffer, int& received,
                                      const ReadWatcher& watcher) override {
        s_->calls.push_back("read " + std::to_string(buffer.size()));
        received = 0;
        if (!s_->replies.empty()) {
            const auto reply = std::move(s_->replies.front());
            s_->replies.pop_front();
            if (!reply) {
                return PortOpenError{PortOpenFailure::Unexplained, device()};
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

    bool close() override {
        s_->calls.push_back("close");
        if (s_->failClose) {
            return false;
        }
        s_->isOpen = false;
        return true;
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
    bool record(const char* call, bool result) {
        s_->calls.push_back(call);
        return result;
    }

    std::shared_ptr<FakePortScript> s_;
    std::size_t writeIndex_ = 0;
};

} // namespace wl3::test
