#include "commands/device_commands.h"
#include "support/fake_serial_port.h"
#include "support/recording_reporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace wl3::test {
namespace {

using ::testing::IsEmpty;
using Entry = RecordingReporter::Entry;

class DeviceCommandTest : public ::testing::Test {
protected:
    std::shared_ptr<FakePortScript> port = std::make_shared<FakePortScript>();
    RecordingReporter reporter;
    SerialLink link{reporter, std::make_unique<FakeSerialPort>(port), fakeDevice};
};

// The window, wl3 and the fleet refuse through one preparation, before any tracker is
// touched: the encoder's words, once, and no "Bad EE Size" after them.
TEST_F(DeviceCommandTest, AConfigurationTheEncoderRefusesIsOneReportAndNoImage) {
    TrackerConfig config;
    setText(config.digiPath[kPrimary], "WIDE1-1,WIDE2-1,WIDE3-1,WIDE4-1,WIDE5-1,WIDE6-1");
    setText(config.digiPath[kSecondary], "WIDE1-2,WIDE2-2,WIDE3-2,WIDE4-2,WIDE5-2,WIDE6-2");

    const PreparedImage prepared = prepareImage(config, defaultImage());
    EXPECT_FALSE(prepared.image);
    EXPECT_EQ(reportPrepared(prepared, RefusedAction::Write, reporter), Status::Failed);
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].text.rfind("The callsigns and digipeater paths do not fit", 0),
              0u);
}

class StopOnFirstRead : public ExchangeObserver {
public:
    void progress(ExchangePhase phase, int, int) override {
        stop = stop || phase == ExchangePhase::FirstRead;
    }
    bool stopRequested() override { return stop; }
    bool stop = false;
};

// A read the user stopped is no failed read: nothing more is said and the record stays.
TEST_F(DeviceCommandTest, AStoppedReadSaysNothingAndKeepsTheRecord) {
    StopOnFirstRead observer;
    link.setObserver(observer);
    const std::string_view version = "Wrenlink3 v1.00";
    port->replies = {std::vector<std::uint8_t>{},
                     std::vector<std::uint8_t>(version.begin(), version.end())};
    TrackerConfig config;
    setText(config.callsign[kPrimary], "KEPT");
    const TrackerConfig before = config;

    EXPECT_EQ(readConfiguration(config, link, reporter), Status::Stopped);
    EXPECT_THAT(reporter.entries, IsEmpty());
    EXPECT_TRUE(config == before);
    EXPECT_FALSE(link.isOpen());
}

} // namespace
} // namespace wl3::test
