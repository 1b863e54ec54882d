// Saving where POSIX has its own ways to fail: a file size limit, a symbolic link.
#include "formats/config_file_fixture.h"

#include <csignal>
#include <sys/resource.h>

namespace wl3 {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::ConfigFileTest;
using test::RecordingReporter;

// Runs body with the process unable to write more than limit bytes into any file, which
// makes writes fail even for root, as a full disk would.
template <typename Body> void withFileSizeLimit(rlim_t limit, Body body) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &tight);
    body();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
}

TEST_F(ConfigFileTest, FailedWriteKeepsTheExistingFileAndLeavesNoTemporary) {
    const Bytes old{'o', 'l', 'd'};
    writeAll(folder / "keep.wl3", old);
    TrackerConfig config = edited();

    withFileSizeLimit(60, [&] {
        EXPECT_EQ(saveConfigFile(folder / "keep.wl3", config, reporter), Status::Failed);
    });

    EXPECT_EQ(readAll(folder / "keep.wl3"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(reporter.entries,
              (std::vector<RecordingReporter::Entry>{
                  {"Save Failed", "Failed to write data\n" + (folder / "keep.wl3").string() +
                                      ": File too large"}}));
}

TEST_F(ConfigFileTest, SavingThroughALinkReplacesWhatItPointsAt) {
    writeAll(folder / "real.wl3", {'o', 'l', 'd'});
    fs::create_symlink("real.wl3", folder / "link.wl3");
    TrackerConfig config;

    ASSERT_EQ(saveConfigFile(folder / "link.wl3", config, reporter), Status::Ok);
    EXPECT_TRUE(fs::is_symlink(folder / "link.wl3"));
    EXPECT_EQ(readAll(folder / "real.wl3").size(), static_cast<std::size_t>(kConfigFileSize));
}

} // namespace
} // namespace wl3
