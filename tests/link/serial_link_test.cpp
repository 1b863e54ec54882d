#include "link/link_fixture.h"

#include <array>

namespace wl3::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(LinkTest, StartsClosedOnPortOne) {
    EXPECT_EQ(link.port(), PortChoice{});
    EXPECT_FALSE(link.isOpen());
    link.setPort({-7, {}});
    EXPECT_EQ(link.port().portNumber, -7);
    EXPECT_THAT(port->calls, IsEmpty());
}

TEST_F(LinkTest, OpensPortsOneToFour) {
    for (int number : {1, 4}) {
        link.setPort({number, {}});
        ASSERT_EQ(link.openPort(), Status::Ok);
        EXPECT_TRUE(link.isOpen());
        ASSERT_EQ(link.closePort(), Status::Ok);
    }
    EXPECT_EQ(port->calls, opened(1) + Calls{"close"} + opened(4) + Calls{"close"});
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(LinkTest, RejectsPortNumbersOutsideOneToFourWithoutOpening) {
    for (int number : {0, 5, -1}) {
        link.setPort({number, {}});
        EXPECT_EQ(link.openPort(), Status::Failed) << number;
    }
    EXPECT_THAT(port->calls, IsEmpty());
    EXPECT_THAT(reporter.texts(), ElementsAre("Invalid Com Port Number", "Invalid Com Port Number",
                                              "Invalid Com Port Number"));
}

struct OpenFailure {
    const char* name;
    friend void PrintTo(const OpenFailure& row, std::ostream* out) { *out << row.name; }
    bool FakePortScript::*flag;
    const char* message;
    Calls calls;
    bool heldAfterwards;
};

class OpenFailureTest : public LinkTest, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(OpenFailureTest, ReportsTheFailingStepAndStops) {
    const OpenFailure& failure = GetParam();
    (*port).*failure.flag = true;
    EXPECT_EQ(link.openPort(), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre(failure.message));
    EXPECT_EQ(port->calls, failure.calls);
    EXPECT_EQ(link.isOpen(), failure.heldAfterwards);
}

INSTANTIATE_TEST_SUITE_P(EachStep, OpenFailureTest,
                         ::testing::Values(OpenFailure{"Acquire",
                                                       &FakePortScript::failOpen,
                                                       "Count not aquire Com Port",
                                                       {opened().front()},
                                                       false},
                                           OpenFailure{"Settings",
                                                       &FakePortScript::failReadSettings,
                                                       "GetCommState failed",
                                                       {opened().front(), "settings"},
                                                       true},
                                           OpenFailure{"Line",
                                                       &FakePortScript::failApplyLineSettings,
                                                       "SetCommState failed",
                                                       {opened().front(), "settings", "line"},
                                                       true},
                                           OpenFailure{"Timeouts",
                                                       &FakePortScript::failApplyTimeouts,
                                                       "SetCommTimeouts failed", opened(1), true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(LinkTest, FailedAcquireShowsTheDeviceAndReasonOnASecondLine) {
    port->failOpen = true;
    port->openError = {PortFailure::InUse, "/dev/ttyUSB0"};
    EXPECT_EQ(link.openPort(), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("Count not aquire Com Port\n"
                                              "/dev/ttyUSB0: another program is using this port."));
}

TEST_F(LinkTest, OpenClosesAPortLeftHeldByAFailedOpen) {
    port->failReadSettings = true;
    ASSERT_EQ(link.openPort(), Status::Failed);
    port->failReadSettings = false;
    link.setPort({2, {}});
    EXPECT_EQ(link.openPort(), Status::Ok);
    EXPECT_EQ(port->calls, (Calls{opened().front(), "settings", "close"} + opened(2)));
    EXPECT_THAT(reporter.texts(), ElementsAre("GetCommState failed"));
}

TEST_F(LinkTest, OpenGoesOnWhenClosingTheHeldPortFails) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    port->failClose = true;
    EXPECT_EQ(link.openPort(), Status::Ok);
    EXPECT_EQ(port->calls, opened() + Calls{"close"} + opened());
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort Close failed"));
}

TEST_F(LinkTest, EveryPortOperationOnAClosedPortIsInvalid) {
    std::array<std::uint8_t, 4> buffer{9, 9, 9, 9};
    EXPECT_EQ(link.writeBytes(buffer), Status::Failed);
    EXPECT_EQ(link.readBytes(buffer), 0);
    EXPECT_EQ(link.closePort(), Status::Failed);
    EXPECT_THAT(port->calls, IsEmpty());
    EXPECT_THAT(reporter.texts(),
                ElementsAre("ComPort Invalid", "ComPort Invalid", "ComPort Invalid"));
}

TEST_F(LinkTest, ClosingTwiceShowsInvalidTheSecondTime) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    EXPECT_EQ(link.closePort(), Status::Ok);
    EXPECT_EQ(link.closePort(), Status::Failed);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort Invalid"));
}

TEST_F(LinkTest, FailedCloseKeepsThePort) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    port->failClose = true;
    EXPECT_EQ(link.closePort(), Status::Failed);
    EXPECT_TRUE(link.isOpen());
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort Close failed"));
}

TEST_F(LinkTest, WritesOneByteAtATimeWithTenMillisecondsAfterEach) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    EXPECT_EQ(link.writeBytes(std::array<std::uint8_t, 3>{0x00, 0xAA, 0xFF}), Status::Ok);
    EXPECT_EQ(link.writeBytes({}), Status::Ok);
    EXPECT_EQ(port->calls, opened() + wrote({0x00, 0xAA, 0xFF}));
    EXPECT_THAT(port->written, ElementsAre(0x00, 0xAA, 0xFF));
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(LinkTest, AByteNotTakenIsReportedAfterTheRestWereTried) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    port->notTakenAt = {1};
    EXPECT_EQ(link.writeBytes(std::array<std::uint8_t, 3>{1, 2, 3}), Status::Failed);
    EXPECT_EQ(port->calls, opened() + wrote({1, 2, 3}));
    EXPECT_THAT(port->written, ElementsAre(1, 3));
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write mismatch"));
}

TEST_F(LinkTest, AFailedWriteStopsAtOnce) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    port->failWriteAt = 1;
    EXPECT_EQ(link.writeBytes(std::array<std::uint8_t, 3>{1, 2, 3}), Status::Failed);
    EXPECT_EQ(port->calls, (opened() + Calls{"write 01", "pause 10", "write 02"}));
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write failed"));
}

TEST_F(LinkTest, ReadReturnsWhatArrivedAndLeavesTheRestOfTheBuffer) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    port->replies = {bytesOf("ab"), std::vector<std::uint8_t>{}};
    std::array<std::uint8_t, 4> buffer{9, 9, 9, 9};
    EXPECT_EQ(link.readBytes(buffer), 2);
    EXPECT_THAT(buffer, ElementsAre('a', 'b', 9, 9));
    EXPECT_EQ(link.readBytes(buffer), 0);
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(LinkTest, AFailedReadIsShownAndCountsNothing) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    port->replies = {std::nullopt};
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(link.readBytes(buffer), 0);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort read failed"));
}

} // namespace
} // namespace wl3::test
