#include "config/config_image.h"
#include "config/image_layout.h"
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

constexpr std::string_view kTruncatedText =
    "The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a "
    "longer status beacon text, use fewer digipeaters, and make the primary and secondary "
    "callsigns, digipeaters, or status texts identical.";
constexpr std::string_view kDoNotFitText =
    "The callsigns and digipeater paths do not fit in the tracker's memory. Use fewer "
    "digipeaters, or make the primary and secondary callsigns and paths identical.";

// Encodes into a buffer of the size callers use and returns the image part.
Image encode(const TrackerConfig& config, RecordingReporter& reporter) {
    std::vector<std::uint8_t> buffer(kImageBufferSize, 0xEE);
    EXPECT_EQ(encodeImage(config, buffer, reporter), kImageSize);
    Image image{};
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    EXPECT_TRUE(std::all_of(buffer.begin() + kImageSize, buffer.end(),
                            [](std::uint8_t b) { return b == 0xEE; }));
    return image;
}

// What the tracker makes of an image.
TrackerConfig decoded(const Image& image) {
    TrackerConfig config;
    RecordingReporter reporter;
    EXPECT_EQ(decodeImage(config, image, reporter), Status::Ok);
    return config;
}

Image encodeQuietly(const TrackerConfig& config) {
    RecordingReporter reporter;
    const Image image = encode(config, reporter);
    EXPECT_TRUE(reporter.entries.empty());
    return image;
}

TEST(EncodeImage, DefaultRecordGivesTheKnownImage) {
    TrackerConfig config;
    EXPECT_EQ(encodeQuietly(config), test::defaultImage());
}

TEST(EncodeImage, SecondExampleGivesTheKnownImageAndRateFlags) {
    TrackerConfig config = test::secondExampleRecord();
    const Image image = encodeQuietly(config);
    EXPECT_EQ(image, test::secondExampleImage());
    const TrackerConfig stored = decoded(image);
    EXPECT_TRUE(stored.rateDivides60[kSecondary]);
    EXPECT_TRUE(stored.rateDivides600[kSecondary]);
    EXPECT_FALSE(stored.rateDivides60[kPrimary]);
}

TEST(EncodeImage, SmartBeaconingBlockComesFirstInTheVariableArea) {
    TrackerConfig config;
    config.smartBeaconing[kPrimary] = true;
    const Image image = encodeQuietly(config);
    EXPECT_EQ(image[24], 38);
    EXPECT_EQ(image[0], 48);
    EXPECT_EQ(image[1], 48);
    EXPECT_EQ(image[25], 65);
    EXPECT_EQ(image[38], 5);
    EXPECT_EQ(image[16], 0xE0);
}

TEST(EncodeImage, TimeSlottingDerivesTheRateFlags) {
    struct Row {
        int rate;
        std::uint8_t flags;
        bool divides60, divides600;
    };
    const Row rows[] = {{60, 0xDC, true, true},
                        {45, 0xC4, false, false},
                        {120, 0xD4, false, true},
                        {-30, 0xDC, true, true},
                        {7, 0xC4, false, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rate);
        TrackerConfig config;
        config.timeSlotting[kPrimary] = true;
        config.autoRateSec[kPrimary] = row.rate;
        config.slotOffsetSec[kPrimary] = 15;
        const Image image = encodeQuietly(config);
        EXPECT_EQ(image[16], row.flags);
        EXPECT_EQ(decoded(image).rateDivides60[kPrimary], row.divides60);
        EXPECT_EQ(decoded(image).rateDivides600[kPrimary], row.divides600);
        const int slot = static_cast<std::uint16_t>(row.rate - 15 + 1);
        EXPECT_EQ(image[38] + 256 * image[39], slot);
    }
}

TEST(EncodeImage, RateFlagsKeepTheirValueWithoutTimeSlottingOrWithRateZero) {
    TrackerConfig config;
    config.rateDivides60 = {true, true};
    config.timeSlotting[kSecondary] = true;
    config.autoRateSec[kSecondary] = 0;
    const Image image = encodeQuietly(config);
    EXPECT_EQ(image[16], 0xC8);
    EXPECT_EQ(image[17], 0xCC);
}

TEST(EncodeImage, DelaysAreQuantisedAndLimited) {
    const std::pair<int, int> txDelays[] = {{0, 0},      {5, 1},      {125, 19},    {300, 45},
                                            {1700, 255}, {1699, 255}, {1690, 254},  {99999, 255},
                                            {-1, 0},     {-100, 0},   {INT_MIN, 0}, {INT_MAX, 255}};
    for (const auto& [ms, expected] : txDelays) {
        TrackerConfig config;
        config.autoTxDelayMs[kSecondary] = ms;
        config.manualTxDelayMs[kPrimary] = ms;
        const Image image = encodeQuietly(config);
        EXPECT_EQ(image[5], expected) << ms;
        EXPECT_EQ(image[6], expected) << ms;
    }
    const std::pair<int, int> quietTimes[] = {{500, 20}, {6700, 255}, {6699, 255},  {1000, 39},
                                              {0, 0},    {-13, 0},    {INT_MIN, 0}, {INT_MAX, 255}};
    for (const auto& [ms, expected] : quietTimes) {
        TrackerConfig config;
        config.quietTimeMs[kSecondary] = ms;
        EXPECT_EQ(encodeQuietly(config)[35], expected) << ms;
    }
}

TEST(EncodeImage, NarrowsOtherNumbersToTheirLowBits) {
    TrackerConfig config;
    config.calibration = 300;
    config.powerSwitchTimeSec = {300, -4};
    config.statusEvery[kPrimary] = -1;
    config.micEMessage[kSecondary] = 258;
    config.autoRateSec[kPrimary] = 70000;
    config.manualRateSec[kSecondary] = -2;
    config.symbol[kPrimary] = '\0';
    config.symbolTable[kSecondary] = '\x85';
    const Image image = encodeQuietly(config);
    EXPECT_EQ(image[2], 44);
    EXPECT_EQ(image[3], 44);
    EXPECT_EQ(image[36], 255);
    EXPECT_EQ(image[37], 0);
    EXPECT_EQ(image[20], 0xFF);
    EXPECT_EQ(image[27], 2);
    EXPECT_EQ(image[8], 0x70); // 70000 = 0x11170
    EXPECT_EQ(image[10], 0x11);
    EXPECT_EQ(image[13], 0xFE);
    EXPECT_EQ(image[15], 0xFF);
    EXPECT_EQ(image[30], 0x00);
    EXPECT_EQ(image[33], 0x85);
}

TEST(EncodeImage, EveryFlagHasItsBit) {
    TrackerConfig config;
    config.sendAltitude = {false, false};
    config.micEEnabled = {false, false};
    const std::pair<PerProfile<bool> TrackerConfig::*, int> flags[] = {
        {&TrackerConfig::forcePrintable, 0x001}, {&TrackerConfig::onlySendValid, 0x002},
        {&TrackerConfig::smartBeaconing, 0x020}, {&TrackerConfig::sendAltitude, 0x040},
        {&TrackerConfig::micEEnabled, 0x080},    {&TrackerConfig::powerSwitch, 0x100},
        {&TrackerConfig::timestamp, 0x200},      {&TrackerConfig::allowTtlSerial, 0x400},
        {&TrackerConfig::altDigiPaths, 0x800},   {&TrackerConfig::invertCdIn, 0x1000},
        {&TrackerConfig::timestampHms, 0x2000},  {&TrackerConfig::noPttOutWhilePttIn, 0x4000},
        {&TrackerConfig::rateDivides60, 0x008},  {&TrackerConfig::rateDivides600, 0x010},
    };
    for (const auto& [flag, bits] : flags) {
        TrackerConfig one = config;
        (one.*flag)[kSecondary] = true;
        const Image image = encodeQuietly(one);
        EXPECT_EQ(image[17] | image[19] << 8, bits);
        EXPECT_EQ(image[16] | image[18], 0);
    }
}

TEST(EncodeImage, CaseDifferenceInCallsignsWritesASecondBlock) {
    TrackerConfig config;
    setText(config.callsign[kPrimary], "nocall");
    const Image image = encodeQuietly(config);
    EXPECT_EQ(image[0], 38);
    EXPECT_EQ(image[1], 55);
    EXPECT_TRUE(std::equal(image.begin() + 38, image.begin() + 55, image.begin() + 55));
    EXPECT_EQ(image[22], 72);
    EXPECT_EQ(image[23], 72);
}

TEST(EncodeImage, DifferentPathOnlyWritesASecondBlockWithItsOwnElements) {
    TrackerConfig config;
    setText(config.digiPath[kSecondary], "");
    const Image image = encodeQuietly(config);
    EXPECT_EQ(image[1], 55);
    EXPECT_EQ(image[55 + 6], 0x61); // the callsign's field is the last of its block
    EXPECT_EQ(image[62], 0x03);
    EXPECT_EQ(image[22], 65);
}

TEST(EncodeImage, LongStatusTextIsTruncatedWithOneMessage) {
    TrackerConfig config;
    setText(config.statusText[kPrimary], std::string(80, 'P'));
    setText(config.statusText[kSecondary], "other");
    RecordingReporter reporter;
    const Image image = encode(config, reporter);

    EXPECT_EQ(image[22], 55);
    EXPECT_EQ(image[23], 127);
    EXPECT_TRUE(std::all_of(image.begin() + 55, image.begin() + 127,
                            [](std::uint8_t b) { return b == 'P'; }));
    EXPECT_EQ(image[127], 0x00);
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0], (RecordingReporter::Entry{"Status Beacon Text Truncated",
                                                             std::string(kTruncatedText)}));
}

TEST(EncodeImage, SharedLongStatusTextIsTruncatedOnce) {
    TrackerConfig config;
    setText(config.statusText[kPrimary], std::string(72, 'P'));
    setText(config.statusText[kSecondary], std::string(72, 'P'));
    RecordingReporter reporter;
    const Image image = encode(config, reporter);
    EXPECT_EQ(image[23], 55);
    EXPECT_TRUE(reporter.entries.empty()) << "72 characters end exactly at byte 126";

    setText(config.statusText[kSecondary], "");
    RecordingReporter second;
    const Image withEmpty = encode(config, second);
    EXPECT_EQ(withEmpty[23], 127);
    EXPECT_TRUE(second.entries.empty()) << "an empty text loses nothing";
}

TEST(EncodeImage, SecondaryTextIsCutWhereTheImageEnds) {
    TrackerConfig config;
    setText(config.statusText[kPrimary], std::string(60, 'P'));
    setText(config.statusText[kSecondary], std::string(30, 'S'));
    RecordingReporter reporter;
    const Image image = encode(config, reporter);
    EXPECT_EQ(image[23], 116);
    EXPECT_EQ(std::string(image.begin() + 116, image.begin() + 127), std::string(11, 'S'));
    EXPECT_EQ(image[127], 0);
    EXPECT_EQ(reporter.entries.size(), 1u);
}

// What the window shows under each text while the user types: the room both texts share.
TEST(StatusTextRoom, SixtyAndFiveCharactersLeaveSixAndThirtyLoseNineteenOfTheSecondary) {
    TrackerConfig config;
    setText(config.statusText[kPrimary], std::string(60, 'P'));
    setText(config.statusText[kSecondary], std::string(5, 'S'));
    const auto room = statusTextRoom(config);
    ASSERT_TRUE(room);
    EXPECT_FALSE(room->cut());
    EXPECT_EQ(room->left, (PerProfile<int>{6, 6}));

    setText(config.statusText[kSecondary], std::string(30, 'S'));
    const auto cut = statusTextRoom(config);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->kept, (PerProfile<int>{60, 11})) << "as encodeImage places them";
    EXPECT_EQ(cut->left, (PerProfile<int>{-19, -19}));

    setText(config.statusText[kPrimary], std::string(30, 'P'));
    setText(config.statusText[kSecondary], std::string(30, 'P'));
    EXPECT_EQ(statusTextRoom(config)->left, (PerProfile<int>{11, 11}))
        << "a shared text is stored once, but typing makes it two";
}

TEST(EncodeImage, SmallBufferIsRefusedUntouched) {
    TrackerConfig config;
    std::vector<std::uint8_t> buffer(kImageSize - 1, 0xEE);
    RecordingReporter reporter;
    EXPECT_EQ(encodeImage(config, buffer, reporter), 0);
    EXPECT_EQ(reporter.texts(), std::vector<std::string>{"Bad EE Size"});
    EXPECT_EQ(reporter.entries[0].caption, "");
    EXPECT_TRUE(
        std::all_of(buffer.begin(), buffer.end(), [](std::uint8_t b) { return b == 0xEE; }));

    std::vector<std::uint8_t> exact(kImageSize);
    RecordingReporter quiet;
    EXPECT_EQ(encodeImage(config, exact, quiet), kImageSize);
}

// Address blocks that leave no byte for the status texts are refused whole rather than
// losing a digipeater.
TEST(EncodeImage, AddressDataThatDoesNotFitIsRefused) {
    struct Row {
        const char* name;
        int primaryElements, secondaryElements;
        bool primarySmart, secondarySmart, secondarySlot;
        bool fits;
    };
    constexpr int kShared = -1;
    const Row rows[] = {
        {"nine elements in all", 5, 4, false, false, false, true},
        {"ten elements in all", 5, 5, false, false, false, false},
        {"blocks end at byte 125", 4, 4, true, false, true, true},
        {"blocks end at byte 126, no room for text", 7, 0, true, true, false, true},
        {"secondary blocks do not fit", 10, 0, false, true, false, false},
        {"shared path of eleven", 11, kShared, false, false, false, true},
        {"shared path of twelve", 12, kShared, false, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = [](int elements) {
            std::string text;
            for (int i = 0; i < elements; ++i) {
                text += i == 0 ? "WIDE1-1" : ",WIDE1-1";
            }
            return text;
        };
        TrackerConfig config;
        setText(config.digiPath[kPrimary], path(row.primaryElements));
        config.smartBeaconing[kPrimary] = row.primarySmart;
        if (row.secondaryElements == kShared) {
            setText(config.digiPath[kSecondary], path(row.primaryElements));
        } else {
            setText(config.callsign[kSecondary], "N0CALL-1");
            setText(config.digiPath[kSecondary], path(row.secondaryElements));
        }
        config.smartBeaconing[kSecondary] = row.secondarySmart;
        config.timeSlotting[kSecondary] = row.secondarySlot;

        std::vector<std::uint8_t> buffer(kImageBufferSize, 0xEE);
        RecordingReporter reporter;
        const int result = encodeImage(config, buffer, reporter);
        if (row.fits) {
            EXPECT_EQ(result, kImageSize);
            EXPECT_EQ(buffer[127], 0x00);
            EXPECT_LE(buffer[0], buffer[1]);
            EXPECT_LE(buffer[22], 127);
            EXPECT_LE(buffer[23], 127);
        } else {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(reporter.texts(), std::vector<std::string>{std::string(kDoNotFitText)});
            EXPECT_EQ(reporter.entries[0].caption, "");
            EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(),
                                    [](std::uint8_t b) { return b == 0xEE; }));
        }
    }
}

// A byte no field accounts for (here past the texts) stays while the record leaves the texts
// and blocks alone, since their offsets and contents move together; a changed text
// re-encodes them all.
TEST(EncodeOntoImage, KeepsTheStoredTextsAndBlocksUntilOneChanges) {
    RecordingReporter reporter;
    ConfigImage stored = defaultImage();
    stored[layout::kLastByte] = 0x5A;
    TrackerConfig config;
    TrackerConfig plain;
    ASSERT_EQ(decodeImage(config, stored, reporter), Status::Ok);
    ASSERT_EQ(decodeImage(plain, defaultImage(), reporter), Status::Ok);
    ASSERT_TRUE(config == plain);

    EXPECT_EQ(encodeOntoImage(config, stored, reporter), stored);
    setText(config.statusText[kSecondary], "QRV");
    const auto changed = encodeOntoImage(config, stored, reporter);
    ASSERT_TRUE(changed.has_value());
    EXPECT_NE((*changed)[layout::kLastByte], 0x5A);
    EXPECT_TRUE(reporter.entries.empty());
}

} // namespace
} // namespace wl3
