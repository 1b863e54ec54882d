#pragma once

#include "link/serial_link.h"
#include "support/fake_serial_port.h"
#include "support/recording_reporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wl3::test {

using Calls = std::vector<std::string>;

inline Calls operator+(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Calls opened(int portNumber = 1) {
    return {"open " + fakeDevice(portNumber), "settings", "line", "timeouts"};
}

// The calls one writeBytes makes: every byte followed by its 10 ms pause.
inline Calls wrote(std::span<const std::uint8_t> bytes) {
    Calls calls;
    for (const std::uint8_t byte : bytes) {
        calls.push_back(FakeSerialPort::writeCall(byte));
        calls.push_back("pause 10");
    }
    return calls;
}

inline Calls wrote(std::initializer_list<std::uint8_t> bytes) {
    return wrote(std::span<const std::uint8_t>(bytes.begin(), bytes.size()));
}

inline std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

// A link over a fake port that the test scripts and inspects.
class LinkTest : public ::testing::Test {
protected:
    std::shared_ptr<FakePortScript> port = std::make_shared<FakePortScript>();
    RecordingReporter reporter;
    SerialLink link{reporter, std::make_unique<FakeSerialPort>(port), fakeDevice};
};

} // namespace wl3::test
