#include "config_file_fixture.h"

#include <string>
#include <vector>

namespace wl3 {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::ConfigFileTest;
using test::RecordingReporter;

TEST_F(ConfigFileTest, SavedFileIsTheHeaderFollowedByTheEncodedImage) {
    TrackerConfig config = edited();
    const Bytes expected = fileOf({'W', 'L', '3', 'A', 0x80, 0, 0, 0}, imageOf(config));

    ASSERT_EQ(saveConfigFile(folder / "a.wl3", config, reporter), Status::Ok);
    EXPECT_EQ(readAll(folder / "a.wl3"), expected);
    EXPECT_EQ(readAll(folder / "a.wl3").size(), static_cast<std::size_t>(kConfigFileSize));
    EXPECT_TRUE(reporter.entries.empty());
    EXPECT_EQ(fs::directory_iterator(folder)->path().filename(), "a.wl3") << "no temporary left";
}

TEST_F(ConfigFileTest, SavedImageKeepsItsBytesAsTheyStand) {
    Bytes image(kImageSize);
    for (int i = 0; i < kImageSize; ++i) {
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(255 - i);
    }
    writeAll(folder / "backup.wl3", {'o', 'l', 'd'});

    ASSERT_EQ(
        saveConfigImage(folder / "backup.wl3", std::span(image).first<kImageSize>(), reporter),
        Status::Ok);
    EXPECT_EQ(readAll(folder / "backup.wl3"), fileOf({'W', 'L', '3', 'A', 0x80, 0, 0, 0}, image));
    EXPECT_EQ(saveConfigImage(folder / "absent" / "b.wl3", std::span(image).first<kImageSize>(),
                              reporter),
              Status::Failed);
    EXPECT_EQ(reporter.entries,
              (std::vector<RecordingReporter::Entry>{
                  {"Save Failed", "Failed to open file\n" + (folder / "absent" / "b.wl3").string() +
                                      ": is in a folder that does not exist"}}));
}

TEST_F(ConfigFileTest, LoadRestoresBothProfilesAsTheTrackerWouldStoreThem) {
    TrackerConfig saved = edited();
    ASSERT_EQ(saveConfigFile(folder / "a.wl3", saved, reporter), Status::Ok);

    TrackerConfig expected; // what decoding the saved image gives
    const Bytes image = imageOf(saved);
    ASSERT_EQ(decodeImage(expected, image, reporter), Status::Ok);

    TrackerConfig loaded;
    ASSERT_EQ(loadConfigFile(folder / "a.wl3", loaded, reporter), Status::Ok);
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(textOf(loaded.callsign[kSecondary]), "N0CALL-7");
    EXPECT_EQ(loaded.calibration, 77);
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(ConfigFileTest, AcceptsSmallLetterMagicAndIgnoresTrailingBytes) {
    TrackerConfig source = edited();
    Bytes bytes = fileOf({'w', 'l', '3', 'a', 0x80, 0, 0, 0}, imageOf(source));
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    writeAll(folder / "b.wl3", bytes);

    TrackerConfig loaded;
    EXPECT_EQ(loadConfigFile(folder / "b.wl3", loaded, reporter), Status::Ok);
    EXPECT_EQ(textOf(loaded.statusText[kSecondary]), "Second");
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(ConfigFileTest, MalformedFilesAreRefusedAndChangeNothing) {
    const Bytes image = imageOf(edited());
    struct Case {
        const char* name;
        Bytes bytes;
        std::string message; // the fixed text, then why
    };
    const std::string invalid = "Invalid File Format\n" + (folder / "bad.wl3").string() + ": ";
    const std::string cut =
        "Failed to read data\n" + (folder / "bad.wl3").string() + ": ends after ";
    const std::vector<Case> cases{
        {"empty", {}, invalid + "is not a configuration file"},
        {"short magic", {'W', 'L', '3'}, invalid + "is not a configuration file"},
        {"wrong magic", fileOf({'W', 'L', '3', 'B', 0x80, 0, 0, 0}, image),
         invalid + "is not a configuration file"},
        {"no length", {'W', 'L', '3', 'A'}, invalid + "ends within its header"},
        {"cut length", {'W', 'L', '3', 'A', 0x80, 0}, invalid + "ends within its header"},
        {"big-endian length", fileOf({'W', 'L', '3', 'A', 0, 0, 0, 0x80}, image),
         invalid + "holds an image of 2147483648 bytes, not 128"},
        {"length 129", fileOf({'W', 'L', '3', 'A', 0x81, 0, 0, 0}, image),
         invalid + "holds an image of 129 bytes, not 128"},
        {"no image", {'W', 'L', '3', 'A', 0x80, 0, 0, 0}, cut + "0 of the 128 image bytes"},
        {"100 image bytes",
         fileOf({'W', 'L', '3', 'A', 0x80, 0, 0, 0}, Bytes(image.begin(), image.begin() + 100)),
         cut + "100 of the 128 image bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(folder / "bad.wl3", c.bytes);
        RecordingReporter seen;
        TrackerConfig config;
        config.calibration = 99;
        const TrackerConfig before = config;

        EXPECT_EQ(loadConfigFile(folder / "bad.wl3", config, seen), Status::Failed);
        EXPECT_EQ(config, before);
        EXPECT_EQ(seen.entries,
                  (std::vector<RecordingReporter::Entry>{{"Load Failed", c.message}}));
    }
}

TEST_F(ConfigFileTest, EncoderRefusalWritesNothing) {
    const Bytes old{'o', 'l', 'd'};
    writeAll(folder / "keep.wl3", old);
    TrackerConfig config;
    setText(config.digiPath[kPrimary], "WIDE1-1,WIDE2-2,WIDE3-3,WIDE4-4,WIDE5-5,WIDE6-6");
    setText(config.digiPath[kSecondary], "RELAY,WIDE1-1,WIDE2-2,WIDE3-3,WIDE4-4,WIDE5-5");

    EXPECT_EQ(saveConfigFile(folder / "keep.wl3", config, reporter), Status::Failed);
    EXPECT_EQ(readAll(folder / "keep.wl3"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    ASSERT_EQ(reporter.entries.size(), 1u) << "only the encoder's own reason";
    EXPECT_EQ(reporter.entries[0].caption, "");
}

} // namespace
} // namespace wl3
