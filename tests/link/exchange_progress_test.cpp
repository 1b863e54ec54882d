#include "link/link_fixture.h"
#include "wording/wording.h"

#include <array>
#include <numeric>
#include <optional>

namespace wl3::test {
namespace {

using ::testing::IsEmpty;
using Phase = ExchangePhase;

struct Step {
    Phase phase;
    int done;
    int expected;
    bool operator==(const Step&) const = default;
    friend void PrintTo(const Step& step, std::ostream* out) {
        *out << english(phaseWording(step.phase)) << ' ' << step.done << '/' << step.expected;
    }
};

// Notes every report; asks to stop once stopAfter reports have come, and to stop at once
// once stopAtOnceAfter have.
class NotingObserver : public ExchangeObserver {
public:
    void progress(Phase phase, int done, int expected) override {
        steps.push_back({phase, done, expected});
    }
    bool stopRequested() override { return stopAfter && steps.size() >= *stopAfter; }
    bool stopAtOnce() override { return stopAtOnceAfter && steps.size() >= *stopAtOnceAfter; }

    std::vector<Step> steps;
    std::optional<std::size_t> stopAfter;
    std::optional<std::size_t> stopAtOnceAfter;
};

const std::vector<std::uint8_t> kNothing;

std::vector<std::uint8_t> image() {
    std::vector<std::uint8_t> bytes(128);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

class ProgressTest : public LinkTest {
protected:
    void SetUp() override { link.setObserver(observer); }
    NotingObserver observer;
};

TEST_F(ProgressTest, AVerifiedReadReportsEachReadAndAVerifiedWriteEveryByte) {
    port->replies = {kNothing, image(), kNothing, image()};
    std::array<std::uint8_t, 200> buffer{};
    ASSERT_EQ(link.readImage(buffer), 128);
    EXPECT_EQ(observer.steps, (std::vector<Step>{{Phase::FirstRead, 0, 128},
                                                 {Phase::FirstRead, 128, 128},
                                                 {Phase::SecondRead, 0, 128},
                                                 {Phase::SecondRead, 128, 128}}));

    observer.steps.clear();
    port->replies = {kNothing, kNothing, image()};
    ASSERT_EQ(link.writeImage(image()), Status::Ok);
    std::vector<Step> expected;
    // The image's bytes, as a read counts them: the write header before them is not shown.
    for (int done = 0; done <= 128; ++done) {
        expected.push_back({Phase::Writing, done, 128});
    }
    expected.push_back({Phase::ReadingBack, 0, 128});
    expected.push_back({Phase::ReadingBack, 128, 128});
    EXPECT_EQ(observer.steps, expected);
    EXPECT_THAT(reporter.entries, IsEmpty());
}

// Cut short, the image would leave the tracker taking the next command for its rest.
TEST_F(ProgressTest, AStopDuringAnImageWriteLetsTheImageFinishAndSkipsTheReadBack) {
    observer.stopAfter = 11; // the start and ten bytes
    port->replies = {kNothing, kNothing, image()};
    EXPECT_EQ(link.writeImage(image()), Status::Stopped);
    EXPECT_EQ(port->written.size(), 4u + 128u);
    EXPECT_EQ(port->calls.back(), "close");
    EXPECT_EQ(std::count(port->calls.begin(), port->calls.end(), opened().front()), 1);
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(link.stopped());
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(ProgressTest, AStopAtOnceCutsTheImageAndHoldsThePortUntilTheTrackerDropsIt) {
    observer.stopAfter = 11;
    observer.stopAtOnceAfter = 21; // the start and twenty bytes of the image
    EXPECT_EQ(link.writeImage(image()), Status::Stopped);
    EXPECT_EQ(port->written.size(), 4u + 20u);
    EXPECT_EQ(port->calls.end()[-2], "pause 1100");
    EXPECT_EQ(port->calls.back(), "close");
    EXPECT_TRUE(link.stopped());
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(ProgressTest, AStopDuringTheFirstReadSkipsTheSecond) {
    observer.stopAfter = 2; // seen as the first reply arrives
    port->replies = {kNothing, image(), kNothing, image()};
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(link.readImage(buffer), 0);
    // What the tracker still sends of its reply is taken off the line before the close.
    EXPECT_EQ(port->calls, (opened() + Calls{"read 200"} + wrote({0x1B, 0x55}) +
                            Calls{"read 200", "read 72", "close"}));
    EXPECT_TRUE(link.stopped());
    EXPECT_THAT(reporter.entries, IsEmpty());
}

} // namespace
} // namespace wl3::test
