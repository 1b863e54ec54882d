#include "config/config_image.h"
#include "link/serial_link.h"
#include "require.h"
#include "support/discarding_reporter.h"
#include "support/fake_serial_port.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

// Input: a command byte, a fault byte, the index of a write that fails and of a byte the
// line does not take, then the tracker's replies, one per read: a length byte and that
// many bytes, or 0xFF for a read that fails.
namespace {

using namespace wl3;
using fuzz::require;

constexpr std::uint8_t kFailedRead = 0xFF;

enum Fault : std::uint8_t {
    kFailOpen = 1 << 0,
    kFailSettings = 1 << 1,
    kFailLine = 1 << 2,
    kFailTimeouts = 1 << 3,
    kFailClose = 1 << 4,
    kFailWrite = 1 << 5,
    kByteNotTaken = 1 << 6,
};

std::shared_ptr<test::FakePortScript> scriptFrom(const std::uint8_t* data, std::size_t size) {
    auto script = std::make_shared<test::FakePortScript>();
    const std::uint8_t faults = data[1];
    script->failOpen = (faults & kFailOpen) != 0;
    script->failReadSettings = (faults & kFailSettings) != 0;
    script->failApplyLineSettings = (faults & kFailLine) != 0;
    script->failApplyTimeouts = (faults & kFailTimeouts) != 0;
    script->failClose = (faults & kFailClose) != 0;
    if ((faults & kFailWrite) != 0) {
        script->failWriteAt = data[2];
    }
    if ((faults & kByteNotTaken) != 0) {
        script->notTakenAt.insert(data[3]);
    }
    std::size_t at = 4;
    while (at < size) {
        const std::uint8_t length = data[at++];
        if (length == kFailedRead) {
            script->replies.push_back(std::nullopt);
            continue;
        }
        const std::size_t end = std::min(size, at + length);
        script->replies.emplace_back(std::vector<std::uint8_t>(data + at, data + end));
        at = end;
    }
    return script;
}

// The image every write sends: the default configuration's.
const std::vector<std::uint8_t>& imageToWrite() {
    static const std::vector<std::uint8_t> image = [] {
        test::DiscardingReporter reporter;
        TrackerConfig config;
        std::vector<std::uint8_t> bytes(kImageBufferSize);
        bytes.resize(static_cast<std::size_t>(encodeImage(config, bytes, reporter)));
        return bytes;
    }();
    return image;
}

bool isVersionPrefix(const char* text) {
    constexpr std::string_view kPrefix = "wrenlink3 ";
    for (std::size_t i = 0; i < kPrefix.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != kPrefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const auto script = scriptFrom(data, size);
    test::DiscardingReporter reporter;
    SerialLink link(reporter, std::make_unique<test::FakeSerialPort>(script), test::fakeDevice);

    switch (data[0] % 4) {
    case 0: {
        // Exactly the reply buffer on the heap, so that a write past it is an overflow.
        std::vector<char> reply(30, 'x');
        if (link.queryVersion(reply) == Status::Ok) {
            require(std::find(reply.begin(), reply.end(), '\0') != reply.end());
            require(isVersionPrefix(reply.data()));
        }
        break;
    }
    case 1: {
        std::vector<std::uint8_t> image(kImageBufferSize);
        const int count = link.readImage(image);
        require(count >= 0 && count <= kImageBufferSize);
        break;
    }
    case 2: {
        const auto& image = imageToWrite();
        if (link.writeImage(image) == Status::Ok) {
            // Only a write the line took whole, and read back the same, is a success.
            std::vector<std::uint8_t> sent{0x1B, 'D', 0xAA, 0x55};
            sent.insert(sent.end(), image.begin(), image.end());
            sent.insert(sent.end(), {0x1B, 'U'});
            require(script->written == sent);
        }
        break;
    }
    default:
        link.sendTone(static_cast<ToneCode>("123x"[data[0] / 4 % 4]));
        break;
    }
    // Every exchange gives the port back, unless setting it up or closing it failed.
    const bool mayStayOpen = script->failReadSettings || script->failApplyLineSettings ||
                             script->failApplyTimeouts || script->failClose;
    require(mayStayOpen || !link.isOpen());
    return 0;
}
