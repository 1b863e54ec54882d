#include "config/config_image.h"
#include "link/serial_link.h"
#include "support/recording_reporter.h"
#include "support/simulated_tracker.h"

#include <array>
#include <chrono>
#include <gmock/gmock.h>
#include <thread>

namespace wl3::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The link against tracker-sim, started with the options given.
class TrackerTest : public ::testing::Test {
protected:
    void start(std::vector<std::string> options = {}) {
        tracker = std::make_unique<SimulatedTracker>(std::move(options));
        ASSERT_TRUE(tracker->ok());
        link = std::make_unique<SerialLink>(reporter, makeSystemSerialPort(),
                                            [path = tracker->devicePath()](int portNumber) {
                                                return portNumber == 2 ? path : std::string();
                                            });
        link->setPort({2, {}});
    }

    std::unique_ptr<SimulatedTracker> tracker;
    RecordingReporter reporter;
    std::unique_ptr<SerialLink> link;
};

TEST_F(TrackerTest, AnswersTheVersionQuery) {
    start();
    std::array<char, 30> version{};
    const auto begin = Clock::now();
    EXPECT_EQ(link->queryVersion(version), Status::Ok);
    // Drain 358 ms, three bytes 30 ms, 50 ms of silence after the reply.
    EXPECT_GE(Clock::now() - begin, milliseconds(358 + 30 + 50));
    EXPECT_STREQ(version.data(), "Wrenlink3 v1.00\r\n");
    EXPECT_FALSE(link->isOpen());
    EXPECT_THAT(reporter.entries, IsEmpty());
    EXPECT_THAT(tracker->log(), HasSubstr("version query"));
}

TEST_F(TrackerTest, AVerifiedReadReturnsTheStoredImage) {
    start({"--junk", "$GPRMC,junk\r\n"});
    std::array<std::uint8_t, kImageBufferSize> image{};
    EXPECT_EQ(link->readImage(image), kImageSize);
    const auto stored = tracker->storedImage();
    ASSERT_EQ(stored.size(), std::size_t{kImageSize});
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), image.begin()));
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(TrackerTest, AVerifiedWriteIsStoredAndReadBack) {
    start();
    std::vector<std::uint8_t> image = tracker->storedImage();
    ASSERT_EQ(image.size(), std::size_t{kImageSize});
    image[10] ^= 0xFF;
    image[127] = 0x1B;
    EXPECT_EQ(link->writeImage(image), Status::Ok);
    EXPECT_EQ(tracker->storedImage(), image);
    EXPECT_THAT(reporter.entries, IsEmpty());
    EXPECT_THAT(tracker->log(), HasSubstr("image written (128 bytes)"));
}

TEST_F(TrackerTest, EveryToneCodeIsTakenAfterAStop) {
    start();
    for (ToneCode code :
         {ToneCode::Send1200Hz, ToneCode::Send2200Hz, ToneCode::SendBoth, ToneCode::Stop}) {
        EXPECT_EQ(link->sendTone(code), Status::Ok);
    }
    EXPECT_THAT(reporter.entries, IsEmpty());
    const std::string heard = "tone stop\n"
                              "tracker-sim: tone 1200 Hz\n"
                              "tracker-sim: tone stop\n"
                              "tracker-sim: tone 2200 Hz\n"
                              "tracker-sim: tone stop\n"
                              "tracker-sim: tone both\n"
                              "tracker-sim: tone stop\n"
                              "tracker-sim: tone stop\n";
    EXPECT_THAT(tracker->logOnceItHas(heard), HasSubstr(heard));
}

struct VersionFault {
    const char* name;
    friend void PrintTo(const VersionFault& row, std::ostream* out) { *out << row.name; }
    std::vector<std::string> options;
    bool found;
};

class VersionFaultTest : public TrackerTest, public ::testing::WithParamInterface<VersionFault> {};

TEST_P(VersionFaultTest, OnlyAWrenlink3ReplyIsFound) {
    start(GetParam().options);
    std::array<char, 30> version{};
    EXPECT_EQ(link->queryVersion(version), GetParam().found ? Status::Ok : Status::Failed);
    EXPECT_EQ(reporter.texts().empty(), GetParam().found);
    if (!GetParam().found) {
        EXPECT_THAT(reporter.texts(), ElementsAre(StartsWith("Wrenlink3 Not Found\n" +
                                                             tracker->devicePath() + ": ")));
    }
    EXPECT_FALSE(link->isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, VersionFaultTest,
    ::testing::Values(VersionFault{"Silent", {"--silent"}, false},
                      VersionFault{"OtherDevice", {"--version-text", "GPS 2.1"}, false},
                      VersionFault{"NoSpace", {"--version-text", "Wrenlink3"}, false},
                      VersionFault{"Capitals", {"--version-text", "WRENLINK3 V2"}, true},
                      VersionFault{"SlowReply", {"--reply-delay-ms", "200"}, true},
                      VersionFault{"JunkBeforeCommands", {"--junk", "$GPGGA,1,2,3*4F\r\n"}, true}),
    [](const auto& info) { return info.param.name; });

struct ReadFault {
    const char* name;
    friend void PrintTo(const ReadFault& row, std::ostream* out) { *out << row.name; }
    std::vector<std::string> options;
    int result;
};

class ReadFaultTest : public TrackerTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(ReadFaultTest, TheDoubleReadJudgesWhatCame) {
    start(GetParam().options);
    std::array<std::uint8_t, kImageBufferSize> image{};
    EXPECT_EQ(link->readImage(image), GetParam().result);
    EXPECT_THAT(reporter.entries, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadFaultTest,
                         ::testing::Values(ReadFault{"Short", {"--image-size", "100"}, 100},
                                           ReadFault{"Long", {"--image-size", "150"}, 150},
                                           ReadFault{"SecondDiffers", {"--second-read-differs"}, 0},
                                           ReadFault{"Silent", {"--silent"}, 0}),
                         [](const auto& info) { return info.param.name; });

TEST_F(TrackerTest, ACorruptedReadBackFailsTheWrite) {
    start({"--corrupt-store"});
    const std::vector<std::uint8_t> image = tracker->storedImage();
    EXPECT_EQ(link->writeImage(image), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("Write Failed"));
}

TEST_F(TrackerTest, AHangUpInTheReplyIsACleanFailure) {
    start({"--hang-up-after", "5"});
    std::array<char, 30> version{};
    EXPECT_EQ(link->queryVersion(version), Status::Failed);
    const std::string device = tracker->devicePath();
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort read failed\n" + device +
                                                  ": Input/output error (is the adapter still "
                                                  "plugged in?)",
                                              StartsWith("Wrenlink3 Not Found\n" + device)));
    EXPECT_FALSE(link->isOpen());
}

TEST_F(TrackerTest, AReplyLongerThanTheQueryReadsSpoilsNoLaterExchange) {
    // 53 characters stay behind, more than the next query's drain takes.
    const std::string longVersion = "Wrenlink3 v1.00 " + std::string(64, '=');
    start({"--version-text", longVersion});
    for (int query = 0; query < 2; ++query) {
        std::array<char, 30> version{};
        EXPECT_EQ(link->queryVersion(version), Status::Ok);
        EXPECT_EQ(version.data(), longVersion.substr(0, 29));
        // The next query comes once the rest of the reply waits in the line, even at the
        // tracker's own pace.
        std::this_thread::sleep_for(milliseconds(500));
    }
    std::array<std::uint8_t, kImageBufferSize> image{};
    EXPECT_EQ(link->readImage(image), kImageSize);
    EXPECT_THAT(reporter.texts(), IsEmpty());
}

TEST_F(TrackerTest, APortInUseIsNotTakenOver) {
    start();
    ASSERT_EQ(link->openPort(), Status::Ok);
    RecordingReporter otherReporter;
    SerialLink other(otherReporter, makeSystemSerialPort(),
                     [&](int) { return tracker->devicePath(); });
    std::array<char, 30> version{};
    EXPECT_EQ(other.queryVersion(version), Status::Failed);
    EXPECT_THAT(otherReporter.texts(),
                ElementsAre("Count not aquire Com Port\n" + tracker->devicePath() +
                            ": another program is using this port."));
    EXPECT_EQ(link->closePort(), Status::Ok);
}

} // namespace
} // namespace wl3::test
