#include "files/replacing_file.h"
#include "formats/config_file.h"
#include "support/messages_without_root.h"
#include "support/recording_reporter.h"
#include "support/temp_dir.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <pwd.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace wl3 {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<test::RecordingReporter::Entry>;
using test::readAll;
using test::writeAll;

constexpr uid_t kNobody = 65534;

struct stat statOf(const fs::path& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info;
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// A link's owner as refusals name them.
std::string ownerOf(uid_t uid) {
    const struct passwd* entry = getpwuid(uid);
    return entry != nullptr ? std::string(entry->pw_name) + "'s"
                            : "user " + std::to_string(uid) + "'s";
}

// What a save shows, run by an unprivileged user.
std::string savedAsUser(const fs::path& target) {
    return test::messagesWithoutRoot([&](test::RecordingReporter& reporter) {
        TrackerConfig config;
        saveConfigFile(target, config, reporter);
    });
}

class SaveTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder / "elsewhere");
        // Open to the unprivileged user of savedAsUser, but not a shared sticky folder.
        fs::permissions(folder, fs::perms::all);
    }

    Status save(const fs::path& target) {
        TrackerConfig config;
        return saveConfigFile(target, config, reporter);
    }

    static std::string refusal(const fs::path& target, const std::string& reason) {
        return "Failed to open file\n" + target.string() + ": " + reason;
    }

    test::TempDir dir;
    fs::path folder = dir.path();
    test::RecordingReporter reporter;
};

TEST_F(SaveTargetTest, RefusedTargetsAreLeftAsTheyWereWithTheReason) {
    const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (folder / "socket.wl3").string();
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(folder / "folder.wl3");
    writeAll(folder / "folder.wl3" / "inside", "kept");
    // Root could write it; its mode still says no.
    writeAll(folder / "read-only.wl3", "kept");
    chmod((folder / "read-only.wl3").c_str(), 0444);
    // Nobody reads it: a save that opened it would wait for ever, or feed whoever comes.
    ASSERT_EQ(mkfifo((folder / "pipe.wl3").c_str(), 0666), 0);

    struct Case {
        fs::path target;
        std::string reason;
    };
    const std::vector<Case> cases{
        {folder / "folder.wl3", "is a folder"},
        {folder / "read-only.wl3", "is read-only"},
        {socketPath, "is neither a file nor a device to write to"},
        {folder / "pipe.wl3", "is a pipe (FIFO): name a file, or \"-\" for standard output"},
        {"/dev/zero", "is a device, not your terminal or /dev/null: name a file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        reporter.entries.clear();
        EXPECT_EQ(save(c.target), Status::Failed);
        EXPECT_EQ(reporter.entries, (Entries{{"Save Failed", refusal(c.target, c.reason)}}));
    }
    // /proc makes its own files and takes none: said so, not "does not exist".
    reporter.entries.clear();
    EXPECT_EQ(save("/proc/wl3.wl3"), Status::Failed);
    EXPECT_EQ(reporter.texts(),
              std::vector<std::string>{"Failed to open file\n/proc: no file can be made in this "
                                       "folder: its files are the system's own"});
    EXPECT_EQ(readAll(folder / "folder.wl3" / "inside"), "kept");
    EXPECT_EQ(readAll(folder / "read-only.wl3"), "kept");
    EXPECT_EQ(statOf(folder / "read-only.wl3").st_mode & 07777, 0444u);
    EXPECT_TRUE(S_ISSOCK(statOf(socketPath).st_mode));
    // A folder where the user may not make the temporary is named, with the reason.
    fs::create_directory(folder / "locked");
    chmod((folder / "locked").c_str(), 0555);
    EXPECT_EQ(savedAsUser(folder / "locked" / "a.wl3"),
              "Failed to open file\n" + (folder / "locked").string() +
                  ": no file can be made in this folder: permission denied");
    EXPECT_EQ(entriesIn(folder / "locked"), 0u);
    EXPECT_EQ(entriesIn(folder), 6u) << "no temporary left";
    close(socketFd);
}

TEST_F(SaveTargetTest, AnotherUsersFileOrPlantedLinkIsRefused) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to make files for another user";
    }
    writeAll(folder / "theirs.wl3", "kept");
    ASSERT_EQ(chown((folder / "theirs.wl3").c_str(), 0, 0), 0);
    chmod((folder / "theirs.wl3").c_str(), 0666);
    // In a shared folder such as /tmp, a link another user planted there.
    fs::create_directory(folder / "shared");
    chmod((folder / "shared").c_str(), 01777);
    const fs::path planted = folder / "shared" / "a.wl3";
    fs::create_symlink(folder / "elsewhere" / "planted.wl3", planted);
    ASSERT_EQ(lchown(planted.c_str(), kNobody, kNobody), 0);
    // A planted link to a folder, in the middle of the path.
    const fs::path plantedFolder = folder / "shared" / "pdir";
    fs::create_symlink(folder / "elsewhere", plantedFolder);
    ASSERT_EQ(lchown(plantedFolder.c_str(), kNobody, kNobody), 0);
    // Another user's file there, which the system would not open for root either.
    const fs::path theirsShared = folder / "shared" / "theirs.wl3";
    writeAll(theirsShared, "kept");
    ASSERT_EQ(chown(theirsShared.c_str(), kNobody, kNobody), 0);

    EXPECT_EQ(savedAsUser(folder / "theirs.wl3"),
              refusal(folder / "theirs.wl3",
                      "belongs to another user or group, which a new file could not keep"));
    for (const fs::path& target : {planted, plantedFolder / "cfg.wl3", theirsShared}) {
        EXPECT_EQ(save(target), Status::Failed) << target;
    }
    EXPECT_EQ(
        reporter.entries,
        (Entries{
            {"Save Failed", refusal(planted, "is another user's link (" + ownerOf(kNobody) +
                                                 ") in a shared folder")},
            {"Save Failed",
             refusal(plantedFolder / "cfg.wl3", "leads through " + plantedFolder.string() +
                                                    ", another user's link (" + ownerOf(kNobody) +
                                                    ") in a shared folder")},
            {"Save Failed", refusal(theirsShared, "is another user's file in a shared folder")}}));

    EXPECT_EQ(readAll(folder / "theirs.wl3"), "kept");
    EXPECT_EQ(statOf(folder / "theirs.wl3").st_uid, 0u);
    EXPECT_EQ(readAll(theirsShared), "kept");
    EXPECT_TRUE(fs::is_symlink(planted));
    EXPECT_EQ(entriesIn(folder / "elsewhere"), 0u);
    EXPECT_EQ(entriesIn(folder / "shared"), 3u) << "no temporary left";
    EXPECT_EQ(entriesIn(folder), 3u) << "no temporary left";
}

// Root follows no other user's link, wherever it stands, in that user's own folder too:
// the link's owner would choose where root's save goes. Under sudo, the invoking user's own
// links in a folder of theirs still lead where they lead.
TEST_F(SaveTargetTest, RootFollowsNoOtherUsersLinkButTheSudoUsersOwn) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to make links for another user";
    }
    constexpr uid_t kUser = 4242; // no account needed
    writeAll(folder / "secret.wl3", "root's");
    const fs::path box = folder / "box";
    fs::create_directory(box);
    ASSERT_EQ(chown(box.c_str(), kUser, kUser), 0);
    const fs::path last = box / "x.wl3";
    fs::create_symlink(folder / "secret.wl3", last);
    ASSERT_EQ(lchown(last.c_str(), kUser, kUser), 0);
    const fs::path middle = box / "sub";
    fs::create_symlink(folder / "elsewhere", middle);
    ASSERT_EQ(lchown(middle.c_str(), kUser, kUser), 0);
    const std::string theirs = "another user's link (" + ownerOf(kUser) + ")";

    EXPECT_EQ(save(last), Status::Failed);
    EXPECT_EQ(save(middle / "y.wl3"), Status::Failed);
    EXPECT_EQ(reporter.entries,
              (Entries{{"Save Failed", refusal(last, "is " + theirs +
                                                         ", which root does not "
                                                         "follow")},
                       {"Save Failed",
                        refusal(middle / "y.wl3", "leads through " + middle.string() + ", " +
                                                      theirs + ", which root does not follow")}}));
    EXPECT_EQ(readAll(folder / "secret.wl3"), "root's");
    EXPECT_EQ(entriesIn(folder / "elsewhere"), 0u);

    const char* sudoUid = std::getenv("SUDO_UID");
    const std::string previous = sudoUid != nullptr ? sudoUid : "";
    setenv("SUDO_UID", std::to_string(kUser).c_str(), 1);
    const Status underSudo = save(last);
    if (sudoUid != nullptr) {
        setenv("SUDO_UID", previous.c_str(), 1);
    } else {
        unsetenv("SUDO_UID");
    }
    EXPECT_EQ(underSudo, Status::Ok);
    EXPECT_EQ(readAll(folder / "secret.wl3").size(), static_cast<std::size_t>(kConfigFileSize));
    EXPECT_TRUE(fs::is_symlink(last));
}

TEST_F(SaveTargetTest, AReplacedFileKeepsItsOwnerGroupAndMode) {
    writeAll(folder / "a.wl3", "old");
    chmod((folder / "a.wl3").c_str(), 0640);
    if (geteuid() == 0) {
        // A user's file saved by root stays the user's.
        ASSERT_EQ(chown((folder / "a.wl3").c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(save(folder / "a.wl3"), Status::Ok);
    } else {
        ASSERT_EQ(savedAsUser(folder / "a.wl3"), "");
    }
    const struct stat after = statOf(folder / "a.wl3");
    EXPECT_EQ(readAll(folder / "a.wl3").size(), static_cast<std::size_t>(kConfigFileSize));
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    if (geteuid() == 0) {
        EXPECT_EQ(after.st_uid, kNobody);
        EXPECT_EQ(after.st_gid, kNobody);
    }
}

TEST_F(SaveTargetTest, TheNullDeviceIsWrittenInPlace) {
    EXPECT_EQ(save("/dev/null"), Status::Ok);
    EXPECT_TRUE(S_ISCHR(statOf("/dev/null").st_mode));
    EXPECT_TRUE(reporter.entries.empty());
    EXPECT_EQ(entriesIn(folder), 1u) << "no temporary left";
}

// Ctrl-C while the temporary is open ends the program as it would, without leaving the
// temporary behind.
TEST_F(SaveTargetTest, ASignalDuringASaveLeavesNoTemporary) {
    writeAll(folder / "a.wl3", "old");
    const pid_t child = fork();
    if (child == 0) {
        ReplacingFile file(folder / "a.wl3");
        if (file.open()) {
            raise(SIGINT);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    EXPECT_EQ(readAll(folder / "a.wl3"), "old");
    EXPECT_EQ(entriesIn(folder), 2u) << "no temporary left";
}

TEST_F(SaveTargetTest, ADanglingLinkGetsItsTargetCreatedAndSurvives) {
    fs::create_symlink("elsewhere/new.wl3", folder / "link.wl3");
    ASSERT_EQ(save(folder / "link.wl3"), Status::Ok);
    EXPECT_TRUE(fs::is_symlink(folder / "link.wl3"));
    EXPECT_EQ(readAll(folder / "elsewhere" / "new.wl3").size(),
              static_cast<std::size_t>(kConfigFileSize));
    EXPECT_EQ(entriesIn(folder / "elsewhere"), 1u) << "no temporary left";
}

} // namespace
} // namespace wl3
