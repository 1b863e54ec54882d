#include "command_run.h"
#include "formats/config_file.h"
#include "formats/config_json.h"
#include "sim_process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

using test::CommandRun;
using test::readAll;
using test::RecordingReporter;
using TrackerSimProcess = sim::SimProcess;
using Entry = RecordingReporter::Entry;

const Entry kReadSuccessful{"Wrenlink3 Read", "Read Successful"};
const Entry kReadFailed{"Wrenlink3 Read", "Read Failed"};
const Entry kWriteSuccessful{"Wrenlink3 Write", "Write Successful"};

TrackerConfig configNamed(std::string_view callsign) {
    TrackerConfig config;
    setText(config.callsign[kPrimary], callsign);
    setText(config.statusText[kSecondary], "second profile");
    return config;
}

// Two profiles whose address blocks cannot both fit in the image.
TrackerConfig configThatDoesNotFit() {
    TrackerConfig config;
    setText(config.digiPath[kPrimary], "WIDE1-1,WIDE2-1,WIDE3-1,WIDE4-1,WIDE5-1,WIDE6-1");
    setText(config.digiPath[kSecondary], "WIDE1-2,WIDE2-2,WIDE3-2,WIDE4-2,WIDE5-2,WIDE6-2");
    return config;
}

TrackerConfig loaded(const std::filesystem::path& path) {
    TrackerConfig config;
    RecordingReporter reporter;
    EXPECT_EQ(loadConfigFile(path, config, reporter), Status::Ok) << path;
    return config;
}

PortChoice portOf(const TrackerSimProcess& sim) {
    EXPECT_FALSE(sim.devicePath().empty()) << "tracker-sim did not start";
    return *parsePortChoice(sim.devicePath());
}

class DeviceCommands : public testing::Test {
protected:
    void SetUp() override {
        RecordingReporter reporter;
        TrackerConfig initial = configNamed("INITL");
        ASSERT_EQ(saveConfigFile(initialImage, initial, reporter), Status::Ok);
        expectedInitial = loaded(initialImage);
    }

    // A tracker holding the image of initialImage, which records what it stores in trackerState.
    std::vector<std::string> simOptions(std::vector<std::string> more = {}) const {
        std::vector<std::string> options{"--image-file", initialImage.string(), "--state-file",
                                         trackerState.string()};
        options.insert(options.end(), more.begin(), more.end());
        return options;
    }

    // The file the window's Save writes for config.
    std::string savedBytes(TrackerConfig config) const {
        RecordingReporter reporter;
        EXPECT_EQ(saveConfigFile(dir / "expected.wl3", config, reporter), Status::Ok);
        return readAll(dir / "expected.wl3");
    }

    void writeJson(const std::filesystem::path& path, const TrackerConfig& config) const {
        test::writeAll(path, configToJsonText(config));
    }

    test::TempDir dir;
    std::filesystem::path initialImage = dir / "initial.wl3";
    std::filesystem::path trackerState = dir / "tracker.wl3";
    TrackerConfig expectedInitial;
};

TEST_F(DeviceCommands, VersionPrintsTheReplyAndShowsItsPhase) {
    TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions({"--version-text", "WRENLINK3 v2.5 \xB5"}));
    CommandRun run(true);
    EXPECT_EQ(runVersion(run.context, portOf(sim)), kExitOk);
    EXPECT_EQ(run.out.str(), "WRENLINK3 v2.5 \u00B5\n");
    EXPECT_TRUE(run.reporter.entries.empty());
    EXPECT_EQ(test::screenLines(run.progressText.str()),
              std::vector<std::string>{"Asking the tracker for its version... 3/3 bytes"});
}

// The 29 characters read leave the rest of the reply arriving, which must not reach the
// next command, however soon it follows.
TEST_F(DeviceCommands, ALongVersionReplyDoesNotSpoilTheCommandsAfterIt) {
    const std::string reply = "Wrenlink3 v2.07 " + std::string(80, '=') + " build 2024";
    TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions({"--version-text", reply}));
    CommandRun run;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(runVersion(run.context, portOf(sim)), kExitOk);
        EXPECT_EQ(runRead(run.context, portOf(sim), dir / "read.wl3"), kExitOk);
    }
    EXPECT_EQ(run.reporter.entries, std::vector<Entry>(3, kReadSuccessful));
    EXPECT_EQ(readAll(dir / "read.wl3"), readAll(initialImage));
}

TEST_F(DeviceCommands, VersionOfASilentLineIsNotFound) {
    TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions({"--silent"}));
    CommandRun run;
    EXPECT_EQ(runVersion(run.context, portOf(sim)), kExitFailed);
    EXPECT_EQ(run.out.str(), "");
    const Entry notFound{"", "Wrenlink3 Not Found\n" + sim.devicePath() +
                                 ": no answer to the version query (is the tracker on and "
                                 "connected?)"};
    EXPECT_EQ(run.reporter.entries, std::vector<Entry>{notFound});
    EXPECT_EQ(run.progressText.str(), "");
}

TEST_F(DeviceCommands, ReadSavesTheTrackersConfigurationAsWl3AndAsJson) {
    TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions());
    CommandRun run;
    ASSERT_EQ(runRead(run.context, portOf(sim), dir / "read.wl3"), kExitOk);
    // The tracker's bytes exactly, not the decoded record encoded again (which would move
    // the quantised manual delay from 19 to 20).
    EXPECT_EQ(readAll(dir / "read.wl3"), readAll(initialImage));
    EXPECT_NE(readAll(dir / "read.wl3"), savedBytes(expectedInitial));

    ASSERT_EQ(runRead(run.context, portOf(sim), dir / "read.JSON"), kExitOk);
    EXPECT_EQ(readAll(dir / "read.JSON"), configToJsonText(expectedInitial));
    EXPECT_EQ(run.reporter.entries, (std::vector<Entry>{kReadSuccessful, kReadSuccessful}));
}

TEST_F(DeviceCommands, ReadFailsAndWritesNothingWhenTheImageIsNotConfirmed) {
    for (const auto& fault : std::vector<std::vector<std::string>>{{"--second-read-differs"},
                                                                   {"--image-size", "129"}}) {
        SCOPED_TRACE(fault.front());
        TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions(fault));
        CommandRun run;
        EXPECT_EQ(runRead(run.context, portOf(sim), dir / "read.wl3"), kExitFailed);
        EXPECT_EQ(run.reporter.entries, std::vector<Entry>{kReadFailed});
        EXPECT_FALSE(std::filesystem::exists(dir / "read.wl3"));
    }
}

TEST_F(DeviceCommands, WriteStoresTheConfigurationWithBackupOfTheOldOne) {
    TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions());
    writeJson(dir / "new.json", configNamed("NEWCAL"));
    CommandRun run(true);
    ASSERT_EQ(runWrite(run.context, portOf(sim), dir / "new.json", dir / "old.wl3", false),
              kExitOk);

    EXPECT_EQ(readAll(dir / "old.wl3"), readAll(initialImage));
    EXPECT_EQ(textOf(loaded(trackerState).callsign[kPrimary]), "NEWCAL");
    // The read before the write is a backup, and says so.
    EXPECT_EQ(run.reporter.entries,
              (std::vector<Entry>{{"", "Backup saved: " + (dir / "old.wl3").string()},
                                  kWriteSuccessful}));
    EXPECT_EQ(test::screenLines(run.progressText.str()),
              (std::vector<std::string>{"Asking the tracker for its version... 3/3 bytes",
                                        "Reading the configuration... 128/128 bytes",
                                        "Reading it again, to verify... 128/128 bytes",
                                        "Asking the tracker for its version... 3/3 bytes",
                                        "Writing the configuration... 128/128 bytes",
                                        "Reading it back, to verify... 128/128 bytes"}));
}

// A backup restores the tracker's bytes exactly: its manual TX delay byte, 19, would be
// encoded again as 20 if the file went through the decoder and the encoder.
TEST_F(DeviceCommands, AReadWl3FileWrittenBackLeavesTheTrackersImageAsItWas) {
    TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions());
    CommandRun run;
    ASSERT_EQ(runRead(run.context, portOf(sim), dir / "backup.wl3"), kExitOk);
    ASSERT_EQ(runWrite(run.context, portOf(sim), dir / "backup.wl3", {}, false), kExitOk);
    EXPECT_EQ(readAll(trackerState), readAll(initialImage));
    EXPECT_NE(readAll(trackerState), savedBytes(expectedInitial));
    EXPECT_EQ(run.reporter.entries, (std::vector<Entry>{kReadSuccessful, kWriteSuccessful}));
}

TEST_F(DeviceCommands, RefusedWritesLeaveTheTrackerAndTheBackupAlone) {
    writeJson(dir / "too-long.json", configThatDoesNotFit());
    writeJson(dir / "new.json", configNamed("NEWCAL"));
    struct Case {
        std::string name;
        std::vector<std::string> simOptions;
        std::filesystem::path input;
        std::string firstMessage;
    };
    const std::vector<Case> cases{
        {"encoder refusal",
         {},
         dir / "too-long.json",
         "The callsigns and digipeater paths do not fit in the tracker's memory."},
        {"no tracker", {"--silent"}, dir / "new.json", "Wrenlink3 Not Found"},
        {"read-back differs", {"--corrupt-store"}, dir / "new.json", "Write Failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool withBackup = c.name != "read-back differs";
        TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions(c.simOptions));
        const std::string before = readAll(trackerState);
        CommandRun run;
        EXPECT_EQ(runWrite(run.context, portOf(sim), c.input,
                           withBackup ? dir / "backup.wl3" : std::filesystem::path(), false),
                  kExitFailed);
        if (withBackup) {
            EXPECT_EQ(readAll(trackerState), before);
            EXPECT_FALSE(std::filesystem::exists(dir / "backup.wl3"));
        }
        ASSERT_FALSE(run.reporter.entries.empty());
        EXPECT_EQ(run.reporter.entries.front().text.rfind(c.firstMessage, 0), 0u)
            << run.reporter.entries.front().text;
        for (const auto& entry : run.reporter.entries) {
            EXPECT_NE(entry, kWriteSuccessful);
        }
    }
}

TEST_F(DeviceCommands, WriteOfAnUnreadableFileTouchesNoPort) {
    CommandRun run;
    EXPECT_EQ(runWrite(run.context, *parsePortChoice("/dev/wl3-no-such-port"), dir / "none.wl3", {},
                       false),
              kExitFailed);
    EXPECT_EQ(
        run.reporter.entries,
        (std::vector<Entry>{{"Load Failed", "Failed to open file\n" + (dir / "none.wl3").string() +
                                                ": does not exist"}}));
}

// A tone left on keys a real radio, so the user is told how to end it.
TEST_F(DeviceCommands, ToneSucceedsOnTheTrackerAndFailsOnAMissingPort) {
    TrackerSimProcess sim(WL3_TRACKER_SIM, simOptions());
    CommandRun run;
    EXPECT_EQ(runTone(run.context, portOf(sim), ToneCode::Send2200Hz), kExitOk);
    EXPECT_EQ(runTone(run.context, portOf(sim), ToneCode::Stop), kExitOk);
    const Entry keepsSending{"", "The tracker keeps sending until \"wl3 tone stop\"."};
    EXPECT_EQ(run.reporter.entries, std::vector<Entry>{keepsSending});

    run.reporter.entries.clear();
    EXPECT_EQ(runTone(run.context, *parsePortChoice("/dev/wl3-no-such-port"), ToneCode::SendBoth),
              kExitFailed);
    ASSERT_EQ(run.reporter.entries.size(), 1u);
    EXPECT_EQ(run.reporter.entries[0].text.rfind("Count not aquire Com Port\n"
                                                 "/dev/wl3-no-such-port: ",
                                                 0),
              0u)
        << run.reporter.entries[0].text;
}

} // namespace
} // namespace wl3
