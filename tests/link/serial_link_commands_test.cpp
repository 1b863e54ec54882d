#include "link/link_fixture.h"
#include "support/case_names.h"

#include <array>
#include <numeric>

namespace wl3::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// The device that the fake port names comes on the second line.
const std::string kNotFoundOnFake = "Wrenlink3 Not Found\n/dev/ttyFAKE0: ";

const Calls kVersionExchange =
    opened() + Calls{"read 29"} + wrote({0x1B, 0x1B, 0x56}) + Calls{"read 29", "close"};
const Calls kReadExchange =
    opened() + Calls{"read 200"} + wrote({0x1B, 0x55}) + Calls{"read 200", "close"};
// A reply that fills the buffer may go on: the rest is taken off the line before the close.
const Calls kFullReadExchange = opened() + Calls{"read 200"} + wrote({0x1B, 0x55}) +
                                Calls{"read 200", "drop until quiet", "close"};
const std::string kPartialImage =
    "\nThe tracker may now hold a partial image. Write the configuration again.";

// A read that succeeds with no bytes; a bare {} in a reply script would make it fail.
const std::vector<std::uint8_t> kNothing;

std::vector<std::uint8_t> sampleImage() {
    std::vector<std::uint8_t> image(128);
    std::iota(image.begin(), image.end(), std::uint8_t{0x40});
    return image;
}

using VersionTest = LinkTest;

TEST_F(VersionTest, DrainsSendsEscEscVAndKeepsTheReplyAsReceived) {
    port->replies = {bytesOf("old chatter"), bytesOf("WRENLINK3 V1.00\r\n")};
    std::array<char, 30> buffer;
    buffer.fill('#');
    EXPECT_EQ(link.queryVersion(buffer), Status::Ok);
    EXPECT_EQ(port->calls, kVersionExchange);
    EXPECT_STREQ(buffer.data(), "WRENLINK3 V1.00\r\n");
    EXPECT_FALSE(link.isOpen());
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(VersionTest, AFullReplyIsCutToLeaveRoomForTheTerminator) {
    port->replies = {kNothing, bytesOf("Wrenlink3 " + std::string(40, 'z'))};
    std::array<char, 30> buffer{};
    EXPECT_EQ(link.queryVersion(buffer), Status::Ok);
    EXPECT_EQ(std::string(buffer.data()), "Wrenlink3 " + std::string(19, 'z'));
    EXPECT_EQ(port->calls, (opened() + Calls{"read 29"} + wrote({0x1B, 0x1B, 0x56}) +
                            Calls{"read 29", "drop until quiet", "close"}));
}

class VersionRejectTest : public LinkTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(VersionRejectTest, ShowsNotFoundAndClosesThePort) {
    port->replies = {kNothing, bytesOf(GetParam())};
    std::array<char, 30> buffer{};
    EXPECT_EQ(link.queryVersion(buffer), Status::Failed);
    EXPECT_EQ(port->calls, kVersionExchange);
    EXPECT_THAT(reporter.texts(), ElementsAre(StartsWith(kNotFoundOnFake)));
    EXPECT_FALSE(link.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Replies, VersionRejectTest,
                         ::testing::Values("", "Wrenlink3", "Wrenlink3\r\n", "Wrenlink2 v1.00",
                                           "xWrenlink3 v1.00", std::string("Wren\0ink3 v1", 12),
                                           "Wrenlink3_v1.00"),
                         namedBy([](const std::string& reply) { return reply; }));

TEST_F(VersionTest, AReadFailingInTheDrainIsShownAndTheQueryGoesOn) {
    port->replies = {std::nullopt, bytesOf("Wrenlink3 v1.00")};
    std::array<char, 30> buffer{};
    EXPECT_EQ(link.queryVersion(buffer), Status::Ok);
    EXPECT_EQ(port->calls, kVersionExchange);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort read failed"));
}

TEST_F(VersionTest, AFailedReplyReadBringsTwoMessages) {
    port->replies = {kNothing, std::nullopt};
    std::array<char, 30> buffer{};
    EXPECT_EQ(link.queryVersion(buffer), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort read failed", StartsWith(kNotFoundOnFake)));
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_FALSE(link.isOpen());
}

TEST_F(VersionTest, AFailedCommandWriteClosesThePort) {
    port->failWriteAt = 0;
    std::array<char, 30> buffer{};
    EXPECT_EQ(link.queryVersion(buffer), Status::Failed);
    EXPECT_EQ(port->calls, (opened() + Calls{"read 29", "write 1b", "close"}));
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write failed"));
}

TEST_F(VersionTest, AFailedOpenEndsTheQuery) {
    link.setPort({0, {}});
    std::array<char, 30> buffer{};
    EXPECT_EQ(link.queryVersion(buffer), Status::Failed);
    EXPECT_THAT(port->calls, IsEmpty());
    EXPECT_THAT(reporter.texts(), ElementsAre("Invalid Com Port Number"));
}

TEST_F(VersionTest, AFailedFinalCloseFailsTheQuery) {
    port->replies = {kNothing, bytesOf("Wrenlink3 v1.00")};
    port->failClose = true;
    std::array<char, 30> buffer{};
    EXPECT_EQ(link.queryVersion(buffer), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort Close failed"));
}

TEST_F(VersionTest, AnEmptyBufferReadsNothingAndIsNotFound) {
    EXPECT_EQ(link.queryVersion({}), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre(StartsWith(kNotFoundOnFake)));
}

// A second command started from an open error box closes the first one's port; the first,
// when it resumes, finds no port for what it still has to do.
TEST_F(VersionTest, ACommandStartedFromAnErrorBoxTakesThePortAway) {
    class Interrupting : public Reporter {
    public:
        explicit Interrupting(RecordingReporter& log) : log_(log) {}
        SerialLink* link = nullptr;
        void report(const Outcome& outcome) override {
            log_.report(outcome);
            const auto* failed = std::get_if<PortCallFailed>(&outcome);
            if (link != nullptr && failed != nullptr && failed->call == PortCall::Read) {
                std::exchange(link, nullptr)->sendTone(ToneCode::Stop);
            }
        }

    private:
        RecordingReporter& log_;
    } interrupting(reporter);
    SerialLink shared(interrupting, std::make_unique<FakeSerialPort>(port), fakeDevice);
    interrupting.link = &shared;
    port->replies = {std::nullopt};
    std::array<char, 30> buffer{};
    EXPECT_EQ(shared.queryVersion(buffer), Status::Failed);
    EXPECT_THAT(reporter.texts(),
                ElementsAre("ComPort read failed", "ComPort Invalid", "ComPort Invalid"));
    EXPECT_FALSE(shared.isOpen());
}

using ImageReadTest = LinkTest;

TEST_F(ImageReadTest, OnceDrainsSendsEscUAndReturnsTheCount) {
    port->replies = {bytesOf("junk"), sampleImage()};
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(link.readImageOnce(buffer), 128);
    EXPECT_EQ(port->calls, kReadExchange);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 128, sampleImage().begin()));
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(ImageReadTest, OnceCountsNothingWhenTheCloseFails) {
    port->replies = {kNothing, sampleImage()};
    port->failClose = true;
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(link.readImageOnce(buffer), 0);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort Close failed"));
}

TEST_F(ImageReadTest, OnceStopsAfterAFailedCommandWrite) {
    port->failWriteAt = 1;
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(link.readImageOnce(buffer), 0);
    EXPECT_EQ(port->calls,
              (opened() + Calls{"read 200", "write 1b", "pause 10", "write 55", "close"}));
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write failed"));
}

struct DoubleRead {
    const char* name;
    friend void PrintTo(const DoubleRead& row, std::ostream* out) { *out << row.name; }
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> second;
    int result;
};

std::vector<std::uint8_t> withByteChanged(std::vector<std::uint8_t> image, std::size_t at) {
    image[at] ^= 0x01;
    return image;
}

class DoubleReadTest : public LinkTest, public ::testing::WithParamInterface<DoubleRead> {};

TEST_P(DoubleReadTest, AcceptsOnlyTwoIdenticalReads) {
    const DoubleRead& row = GetParam();
    port->replies = {kNothing, row.first, kNothing, row.second};
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(link.readImage(buffer), row.result);
    const Calls oneRead = row.first.size() == buffer.size() ? kFullReadExchange : kReadExchange;
    EXPECT_EQ(port->calls, row.first.empty() ? oneRead : oneRead + oneRead);
    EXPECT_THAT(reporter.entries, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pairs, DoubleReadTest,
                         ::testing::Values(DoubleRead{"Same", sampleImage(), sampleImage(), 128},
                                           DoubleRead{"LastByteDiffers", sampleImage(),
                                                      withByteChanged(sampleImage(), 127), 0},
                                           DoubleRead{"SecondShorter", sampleImage(),
                                                      std::vector<std::uint8_t>(127, 0x40), 0},
                                           DoubleRead{"SecondEmpty", sampleImage(), {}, 0},
                                           DoubleRead{"FirstEmpty", {}, sampleImage(), 0},
                                           DoubleRead{"Both200", std::vector<std::uint8_t>(200, 7),
                                                      std::vector<std::uint8_t>(200, 7), 200}),
                         [](const auto& info) { return info.param.name; });

using ImageWriteTest = LinkTest;

TEST_F(ImageWriteTest, SendsHeaderAndImageThenReadsBackOnce) {
    const auto image = sampleImage();
    port->replies = {bytesOf("drained"), kNothing, image};
    EXPECT_EQ(link.writeImage(image), Status::Ok);
    EXPECT_EQ(port->calls, (opened() + Calls{"read 100"} + wrote({0x1B, 0x44, 0xAA, 0x55}) +
                            wrote(image) + Calls{"close"} + kReadExchange));
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(ImageWriteTest, NothingReadBackReportsBothCounts) {
    EXPECT_EQ(link.writeImage(sampleImage()), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("Write Failed (code 128 0)"));
}

TEST_F(ImageWriteTest, ADifferentByteReadBackFails) {
    port->replies = {kNothing, kNothing, withByteChanged(sampleImage(), 60)};
    EXPECT_EQ(link.writeImage(sampleImage()), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("Write Failed"));
}

// The tracker has taken the first bytes as the start of an image: the port is held silent
// until it drops them, so that the next command is not taken for the rest.
TEST_F(ImageWriteTest, ALineFailingPartwayStopsBeforeTheReadBackAndWarnsOfAPartialImage) {
    port->failWriteAt = 2;
    EXPECT_EQ(link.writeImage(sampleImage()), Status::Failed);
    EXPECT_EQ(port->calls, (opened() + Calls{"read 100"} + wrote({0x1B, 0x44}) +
                            Calls{"write aa", "pause 1100", "close"}));
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write failed" + kPartialImage));

    reporter.entries.clear();
    port->calls.clear();
    port->failWriteAt.reset();
    port->notTakenAt = {2 + 4 + 10};
    EXPECT_EQ(link.writeImage(sampleImage()), Status::Failed);
    EXPECT_EQ(port->calls.back(), "close");
    EXPECT_EQ(std::count(port->calls.begin(), port->calls.end(), "close"), 1);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write mismatch" + kPartialImage));
}

class ToneTest : public LinkTest, public ::testing::WithParamInterface<ToneCode> {};

TEST_P(ToneTest, SendsStopThenTheToneFiftyMillisecondsLater) {
    const auto code = static_cast<std::uint8_t>(GetParam());
    EXPECT_EQ(link.sendTone(GetParam()), Status::Ok);
    EXPECT_EQ(port->calls, (opened() + wrote({0x1B, 0x1B, 0x78}) + Calls{"pause 50"} +
                            wrote({0x1B, 0x1B, code}) + Calls{"close"}));
    EXPECT_THAT(reporter.entries, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Codes, ToneTest,
                         ::testing::Values(ToneCode::Send1200Hz, ToneCode::Send2200Hz,
                                           ToneCode::SendBoth, ToneCode::Stop),
                         namedBy([](ToneCode code) { return std::string(1, char(code)); }));

TEST_F(LinkTest, ToneStopsAtAFailedWriteAndClosesThePort) {
    port->failWriteAt = 3;
    EXPECT_EQ(link.sendTone(ToneCode::SendBoth), Status::Failed);
    EXPECT_EQ(port->calls,
              (opened() + wrote({0x1B, 0x1B, 0x78}) + Calls{"pause 50", "write 1b", "close"}));
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write failed"));
}

TEST_F(LinkTest, ToneFailsWhenTheFinalCloseFails) {
    port->failClose = true;
    EXPECT_EQ(link.sendTone(ToneCode::Send1200Hz), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort Close failed"));
}

} // namespace
} // namespace wl3::test
