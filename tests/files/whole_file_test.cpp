// Saving and loading through the whole-file reader and writer, which every file both
// programs load or save goes through; the .wl3 file stands for them all.
#include "formats/config_file_fixture.h"

#include <string>
#include <vector>

namespace wl3::test {
namespace {

TEST_F(ConfigFileTest, SavingTouchesNoOtherFileBesideTheTarget) {
    const Bytes mine{'m', 'i', 'n', 'e'};
    for (const char* name : {"a.wl3.saving", "a.wl3.tmp", "a.wl3~"}) {
        writeAll(folder / name, mine);
    }
    TrackerConfig config;
    ASSERT_EQ(saveConfigFile(folder / "a.wl3", config, reporter), Status::Ok);
    for (const char* name : {"a.wl3.saving", "a.wl3.tmp", "a.wl3~"}) {
        EXPECT_EQ(readAll(folder / name), mine) << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4);
}

TEST_F(ConfigFileTest, MissingFileCannotBeOpened) {
    TrackerConfig config;
    EXPECT_EQ(loadConfigFile(folder / "absent.wl3", config, reporter), Status::Failed);
    EXPECT_EQ(loadConfigFile(folder, config, reporter), Status::Failed);
    EXPECT_EQ(saveConfigFile(folder / "no-such-folder" / "a.wl3", config, reporter),
              Status::Failed);
    const std::string failed = "Failed to open file\n";
    EXPECT_EQ(reporter.entries,
              (std::vector<RecordingReporter::Entry>{
                  {"Load Failed", failed + (folder / "absent.wl3").string() + ": does not exist"},
                  {"Load Failed", failed + folder.string() + ": is a folder"},
                  {"Save Failed", failed + (folder / "no-such-folder" / "a.wl3").string() +
                                      ": is in a folder that does not exist"},
              }));
}

} // namespace
} // namespace wl3::test
