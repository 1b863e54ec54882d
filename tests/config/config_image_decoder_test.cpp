#include "config/config_image.h"
#include "record_printer.h"
#include "support/example_records.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wl3 {
namespace {

using test::Image;
using test::RecordingReporter;

TrackerConfig decode(const Image& image, TrackerConfig config = {}) {
    RecordingReporter reporter;
    EXPECT_EQ(decodeImage(config, image, reporter), Status::Ok);
    EXPECT_TRUE(reporter.entries.empty());
    return config;
}

TEST(DecodeImage, DefaultImageGivesTheDefaultsWithQuantisedDelays) {
    TrackerConfig expected;
    expected.manualTxDelayMs = {127, 127};
    expected.quietTimeMs = {526, 526};
    EXPECT_EQ(decode(test::defaultImage()), expected);
}

TEST(DecodeImage, SecondExample) {
    TrackerConfig expected = test::secondExampleRecord();
    expected.manualTxDelayMs = {127, 127};
    expected.quietTimeMs = {526, 526};
    expected.rateDivides60[kSecondary] = true;
    expected.rateDivides600[kSecondary] = true;
    EXPECT_EQ(decode(test::secondExampleImage()), expected);

    // Spelled out, since the record above came through the setters.
    const TrackerConfig config = decode(test::secondExampleImage());
    EXPECT_EQ(textOf(config.callsign[kPrimary]), "N0CALL-9");
    EXPECT_EQ(textOf(config.digiPath[kPrimary]), "WIDE1-1,WIDE2-1");
    EXPECT_EQ(textOf(config.digiPath[kSecondary]), "WIDE2-2");
    EXPECT_EQ(textOf(config.statusText[kSecondary]), "Second");
    EXPECT_EQ(config.slotOffsetSec[kSecondary], 15);
    EXPECT_EQ(config.turnSlope[kPrimary], 255);
}

TEST(DecodeImage, DelayBytesDecodeWithSinglePrecisionFactors) {
    const std::pair<std::uint8_t, int> txDelays[] = {
        {0, 0}, {1, 7}, {19, 127}, {20, 133}, {45, 300}, {150, 1000}, {250, 1666}, {255, 1700}};
    for (const auto& [value, ms] : txDelays) {
        Image image = test::defaultImage();
        image[4] = value;
        image[7] = value;
        const TrackerConfig config = decode(image);
        EXPECT_EQ(config.autoTxDelayMs[kPrimary], ms) << int(value);
        EXPECT_EQ(config.manualTxDelayMs[kSecondary], ms) << int(value);
    }
    const std::pair<std::uint8_t, int> quietTimes[] = {{0, 0},     {5, 131},   {20, 526},
                                                       {39, 1026}, {40, 1052}, {255, 6706}};
    for (const auto& [value, ms] : quietTimes) {
        Image image = test::defaultImage();
        image[35] = value;
        EXPECT_EQ(decode(image).quietTimeMs[kSecondary], ms) << int(value);
    }
}

TEST(DecodeImage, DelaysDriftOverWriteAndReadBackThenSettle) {
    const auto cycle = [](TrackerConfig& config) {
        RecordingReporter reporter;
        Image image{};
        ASSERT_EQ(encodeImage(config, image, reporter), kImageSize);
        ASSERT_EQ(decodeImage(config, image, reporter), Status::Ok);
    };
    TrackerConfig config;
    config.manualTxDelayMs[kPrimary] = 125;
    config.autoTxDelayMs[kPrimary] = 300;
    config.quietTimeMs = {1000, 500};
    const std::vector<std::array<int, 4>> expected = {
        {127, 300, 1026, 526}, {133, 300, 1052, 526}, {133, 300, 1052, 526}};
    for (const auto& step : expected) {
        cycle(config);
        EXPECT_EQ((std::array{config.manualTxDelayMs[kPrimary], config.autoTxDelayMs[kPrimary],
                              config.quietTimeMs[kPrimary], config.quietTimeMs[kSecondary]}),
                  step);
    }
}

TEST(DecodeImage, NumbersAreUnsignedAndSymbolsReplaced) {
    Image image = test::defaultImage();
    image[8] = 0xFF;
    image[10] = 0xFF;
    image[13] = 0x34;
    image[15] = 0x12;
    image[20] = 0xF0;
    image[26] = 0x80;
    image[2] = 0xC8;
    image[3] = 0x01; // not read
    image[37] = 0xFE;
    image[30] = 0x00;
    image[31] = 0x7F;
    image[32] = 0x85;
    image[33] = 0x1F;
    const TrackerConfig config = decode(image);
    EXPECT_EQ(config.autoRateSec[kPrimary], 65535);
    EXPECT_EQ(config.manualRateSec[kSecondary], 0x1234);
    EXPECT_EQ(config.statusEvery[kPrimary], 240);
    EXPECT_EQ(config.micEMessage[kPrimary], 128);
    EXPECT_EQ(config.calibration, 200);
    EXPECT_EQ(config.powerSwitchTimeSec[kSecondary], 254);
    EXPECT_EQ(config.symbol[kPrimary], '-');
    EXPECT_EQ(config.symbol[kSecondary], '\x7f');
    EXPECT_EQ(config.symbolTable[kPrimary], '/');
    EXPECT_EQ(config.symbolTable[kSecondary], '/');
}

TEST(DecodeImage, FlagBitsMapToTheirFlags) {
    Image image = test::defaultImage();
    image[16] = 0x1B; // forcePrintable, onlySendValid, rateDivides60, rateDivides600
    image[17] = 0x00;
    image[18] = 0xFF; // bit 7 ignored
    image[19] = 0x2A; // timestamp, altDigiPaths, timestampHms
    const TrackerConfig config = decode(image);
    EXPECT_TRUE(config.forcePrintable[kPrimary] && config.onlySendValid[kPrimary] &&
                config.rateDivides60[kPrimary] && config.rateDivides600[kPrimary]);
    EXPECT_FALSE(config.timeSlotting[kPrimary] || config.smartBeaconing[kPrimary] ||
                 config.sendAltitude[kPrimary] || config.micEEnabled[kPrimary]);
    EXPECT_TRUE(config.powerSwitch[kPrimary] && config.timestamp[kPrimary] &&
                config.allowTtlSerial[kPrimary] && config.altDigiPaths[kPrimary] &&
                config.invertCdIn[kPrimary] && config.timestampHms[kPrimary] &&
                config.noPttOutWhilePttIn[kPrimary]);
    EXPECT_FALSE(config.powerSwitch[kSecondary] || config.allowTtlSerial[kSecondary] ||
                 config.invertCdIn[kSecondary] || config.noPttOutWhilePttIn[kSecondary]);
    EXPECT_TRUE(config.timestamp[kSecondary] && config.altDigiPaths[kSecondary] &&
                config.timestampHms[kSecondary]);
}

TEST(DecodeImage, AbsentOptionalBlocksLeaveTheirFieldsAlone) {
    TrackerConfig before;
    before.slowSpeedMph = {1, 2};
    before.fastSpeedMph = {3, 4};
    before.slowRateSec = {-5, 6};
    before.fastRateSec = {7, 8};
    before.minTurnAngleDeg = {9, 10};
    before.turnSlope = {11, 12};
    before.minTurnTimeSec = {13, 14};
    before.slotOffsetSec = {-15, 16};
    const TrackerConfig config = decode(test::defaultImage(), before);
    EXPECT_EQ(config.slowSpeedMph, before.slowSpeedMph);
    EXPECT_EQ(config.fastSpeedMph, before.fastSpeedMph);
    EXPECT_EQ(config.slowRateSec, before.slowRateSec);
    EXPECT_EQ(config.fastRateSec, before.fastRateSec);
    EXPECT_EQ(config.minTurnAngleDeg, before.minTurnAngleDeg);
    EXPECT_EQ(config.turnSlope, before.turnSlope);
    EXPECT_EQ(config.minTurnTimeSec, before.minTurnTimeSec);
    EXPECT_EQ(config.slotOffsetSec, before.slotOffsetSec);
}

TEST(DecodeImage, WrongSizeIsReportedAndChangesNothing) {
    for (std::size_t size :
         {std::size_t{0}, std::size_t{127}, std::size_t{129}, std::size_t{200}}) {
        std::vector<std::uint8_t> bytes(size, 0x41);
        TrackerConfig config;
        config.calibration = 99;
        const TrackerConfig before = config;
        RecordingReporter reporter;
        EXPECT_EQ(decodeImage(config, bytes, reporter), Status::Failed);
        EXPECT_EQ(reporter.entries, (std::vector<RecordingReporter::Entry>{
                                        {"", "Bad EE Size " + std::to_string(size) + "\n"}}));
        EXPECT_EQ(config, before);
    }
}

TEST(DecodeImage, SsidByteWithBit7DecodesWithoutSuffix) {
    Image image = test::defaultImage();
    image[38 + 6] = 0xE4;
    EXPECT_EQ(textOf(decode(image).callsign[kPrimary]), "NOCALL");
}

TEST(DecodeImage, BlankPathElementsKeepTheirPlaceExceptFirst) {
    struct Row {
        std::string path;
        std::string decoded;
    };
    const Row rows[] = {{",WIDE", "WIDE"},
                        {"RELAY,,WIDE", "RELAY,,WIDE"},
                        {"RELAY,,", "RELAY,"},
                        {"wide2-2x , relay-0", "WIDE2-2,RELAY"},
                        {"", ""}};
    for (const Row& row : rows) {
        TrackerConfig config;
        setText(config.digiPath[kPrimary], row.path);
        Image image{};
        RecordingReporter reporter;
        ASSERT_EQ(encodeImage(config, image, reporter), kImageSize);
        EXPECT_EQ(textOf(decode(image).digiPath[kPrimary]), row.decoded) << row.path;
    }
}

// A record can hold both blocks (from a file or a tracker); the time-slot value follows the
// SmartBeaconing block, and both come back as they were.
TEST(DecodeImage, BothOptionalBlocksComeBackWhereTheEncoderPutThem) {
    TrackerConfig config;
    config.smartBeaconing[kSecondary] = true;
    config.timeSlotting[kSecondary] = true;
    config.autoRateSec[kSecondary] = 600;
    config.slotOffsetSec[kSecondary] = 30;
    config.slowSpeedMph[kSecondary] = 4;
    config.fastSpeedMph[kSecondary] = 1;
    Image image{};
    RecordingReporter reporter;
    ASSERT_EQ(encodeImage(config, image, reporter), kImageSize);
    EXPECT_EQ(image[25], 55);
    EXPECT_EQ(image[65] + 256 * image[66], 571);
    EXPECT_EQ(image[1], 38);

    const TrackerConfig decoded = decode(image);
    EXPECT_EQ(decoded.slowSpeedMph[kSecondary], 4);
    EXPECT_EQ(decoded.fastSpeedMph[kSecondary], 1);
    EXPECT_EQ(decoded.slotOffsetSec[kSecondary], 30);
    EXPECT_TRUE(decoded.smartBeaconing[kSecondary] && decoded.timeSlotting[kSecondary]);
}

// Images from files or a faulty link may point anywhere; nothing outside the 128 bytes is
// read and every text stays within its field.
TEST(DecodeImage, DamagedImagesStayInBounds) {
    {
        Image image{};
        image.fill(0xFF);
        const TrackerConfig config = decode(image);
        EXPECT_EQ(textOf(config.callsign[kPrimary]), "");
        EXPECT_EQ(textOf(config.digiPath[kPrimary]), "");
        EXPECT_EQ(textOf(config.statusText[kSecondary]), "");
        EXPECT_EQ(config.slowSpeedMph[kPrimary], 5) << "block beyond the end counts as absent";
        EXPECT_EQ(config.slotOffsetSec[kPrimary], 15);
    }
    {
        // A status text without a terminator ends with the image.
        Image image = test::defaultImage();
        image[23] = 100;
        std::fill(image.begin() + 100, image.end(), 'x');
        EXPECT_EQ(textOf(decode(image).statusText[kSecondary]), std::string(28, 'x'));
    }
    {
        // An address list without an end mark ends with the last whole field, and a path
        // longer than its field is cut.
        Image image = test::defaultImage();
        image[1] = 122;
        for (int field = 0; field < 12; ++field) {
            test::putHex(image, 38 + 7 * field, "82 84 86 88 8A 8C 7E");
        }
        const TrackerConfig config = decode(image);
        EXPECT_EQ(textOf(config.callsign[kPrimary]), "ABCDEF-15");
        const std::string_view path = textOf(config.digiPath[kPrimary]);
        EXPECT_EQ(path.size(), 99u);
        EXPECT_EQ(path.substr(0, 20), "ABCDEF-15,ABCDEF-15,");
        EXPECT_EQ(textOf(config.callsign[kSecondary]), "");
        EXPECT_EQ(textOf(config.digiPath[kSecondary]), "");
    }
    {
        // A SmartBeaconing block that ends with the image leaves the time-slot value
        // after it beyond the end: the block is read, the value counts as absent.
        Image image = test::defaultImage();
        image[16] = 0x24;
        image[24] = 118;
        image[118] = 9;
        TrackerConfig before;
        before.slotOffsetSec[kPrimary] = 77;
        const TrackerConfig config = decode(image, before);
        EXPECT_EQ(config.slowSpeedMph[kPrimary], 9);
        EXPECT_EQ(config.slotOffsetSec[kPrimary], 77);
    }
}

} // namespace
} // namespace wl3
