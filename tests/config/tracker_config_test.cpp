#include "config/tracker_config.h"
#include "record_printer.h"

#include <gtest/gtest.h>
#include <string>

namespace wl3 {
namespace {

TEST(TrackerConfig, DefaultsAreTheSameInBothProfiles) {
    const TrackerConfig config;
    EXPECT_EQ(config.calibration, 128);
    for (int p = 0; p < kProfileCount; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(textOf(config.callsign[p]), "NOCALL");
        EXPECT_EQ(textOf(config.digiPath[p]), "WIDE2-2");
        EXPECT_EQ(textOf(config.statusText[p]), "Wrenlink3");
        const int numbers[] = {
            config.autoTxDelayMs[p],  config.manualTxDelayMs[p], config.statusEvery[p],
            config.autoRateSec[p],    config.manualRateSec[p],   config.slotOffsetSec[p],
            config.slowSpeedMph[p],   config.fastSpeedMph[p],    config.slowRateSec[p],
            config.fastRateSec[p],    config.minTurnAngleDeg[p], config.turnSlope[p],
            config.minTurnTimeSec[p], config.quietTimeMs[p],     config.powerSwitchTimeSec[p],
            config.micEMessage[p],    config.micEPath[p]};
        const int expected[] = {300, 125, 3,   120, 30,  15, 5, 65, 1800,
                                90,  27,  255, 5,   500, 3,  0, 0};
        EXPECT_TRUE(std::equal(std::begin(numbers), std::end(numbers), std::begin(expected)));
        EXPECT_EQ(config.symbol[p], '>');
        EXPECT_EQ(config.symbolTable[p], '/');
        const bool flags[] = {
            config.forcePrintable[p],    config.onlySendValid[p],  config.timeSlotting[p],
            config.rateDivides60[p],     config.rateDivides600[p], config.smartBeaconing[p],
            config.powerSwitch[p],       config.timestamp[p],      config.allowTtlSerial[p],
            config.altDigiPaths[p],      config.invertCdIn[p],     config.timestampHms[p],
            config.noPttOutWhilePttIn[p]};
        for (bool flag : flags) {
            EXPECT_FALSE(flag);
        }
        EXPECT_TRUE(config.sendAltitude[p]);
        EXPECT_TRUE(config.micEEnabled[p]);
    }
}

TEST(TrackerConfig, SetTextCutsAtTheFieldsLimit) {
    TrackerConfig config;
    setText(config.callsign[kSecondary], std::string(25, 'C'));
    setText(config.digiPath[kSecondary], std::string(150, 'D'));
    setText(config.statusText[kSecondary], std::string(250, 'S'));

    EXPECT_EQ(textOf(config.callsign[kSecondary]), std::string(19, 'C'));
    EXPECT_EQ(textOf(config.digiPath[kSecondary]), std::string(99, 'D'));
    EXPECT_EQ(textOf(config.statusText[kSecondary]), std::string(199, 'S'));
    EXPECT_EQ(config.callsign[kSecondary].back(), '\0');
    EXPECT_EQ(config.statusText[kSecondary].back(), '\0');
}

TEST(TrackerConfig, SetTextStoresEmptyAndShorterTexts) {
    TrackerConfig config;
    setText(config.statusText[kPrimary], "");
    EXPECT_EQ(textOf(config.statusText[kPrimary]), "");
    setText(config.callsign[kPrimary], "LONGERCALL");
    setText(config.callsign[kPrimary], "AB");
    EXPECT_EQ(textOf(config.callsign[kPrimary]), "AB");
    // Leftovers of the longer text would make equal texts compare unequal.
    TrackerConfig other;
    setText(other.callsign[kPrimary], "AB");
    setText(other.statusText[kPrimary], "");
    EXPECT_EQ(config, other);
}

TEST(ClampInt, LimitsToTheClosedRange) {
    struct Row {
        int value, low, high, expected;
    };
    const Row rows[] = {{-5, 0, 255, 0},  {300, 0, 255, 255},   {77, 0, 255, 77},
                        {0, 0, 255, 0},   {255, 0, 255, 255},   {256, 0, 255, 255},
                        {-1, 0, 255, 0},  {INT_MIN, 0, 255, 0}, {INT_MAX, 0, 255, 255},
                        {-7, -10, -5, -7}};
    for (const Row& row : rows) {
        EXPECT_EQ(clampInt(row.value, row.low, row.high), row.expected) << row.value;
    }
}

} // namespace
} // namespace wl3
