#include "cli/fleet_ports.h"
#include "cli/fleet_run.h"
#include "cli/fleet_subcommands.h"
#include "cli/interrupt_count.h"
#include "cli/platform.h"
#include "command_run.h"
#include "config/config_image.h"
#include "formats/config_file.h"
#include "support/recording_reporter.h"
#include "support/simulated_tracker.h"
#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <sys/mount.h>
#include <thread>

namespace wl3 {
namespace {

using test::SimulatedTracker;

struct FleetRun {
    int exitCode;
    std::string out;
    std::string err;
};

// The messages of run, one a line, after what err holds.
FleetRun outcomeOf(int exitCode, const test::CommandRun& run, const std::ostringstream& err) {
    std::string messages;
    for (const auto& entry : run.reporter.entries) {
        messages += (entry.caption.empty() ? "" : entry.caption + ": ") + entry.text + '\n';
    }
    return {exitCode, run.out.str(), err.str() + messages};
}

// wl3 write base --units units, with the options given, as the command line runs it.
FleetRun writeUnits(const std::filesystem::path& base, const std::filesystem::path& units,
                    const std::filesystem::path& backupFolder = {},
                    const std::filesystem::path& report = {},
                    std::size_t atOnce = kTrackersAtOnce) {
    test::CommandRun run;
    std::ostringstream err;
    const int exitCode =
        runFleetWrite(run.context, {{}, {}, backupFolder, units, report, err, false, atOnce}, base);
    return outcomeOf(exitCode, run, err);
}

TrackerConfig heldBy(const SimulatedTracker& tracker) {
    TrackerConfig config;
    test::RecordingReporter reporter;
    EXPECT_EQ(decodeImage(config, tracker.storedImage(), reporter), Status::Ok);
    return config;
}

class Fleet : public testing::Test {
protected:
    void SetUp() override {
        test::writeAll(base, R"({"primary": {"callsign": "BASE", "statusText": "club net"},
                              "secondary": {"callsign": "BASE-2"}})");
    }

    test::TempDir dir;
    std::filesystem::path base = dir / "base.json";
    std::filesystem::path units = dir / "units.csv";
};

// A spreadsheet's units file (byte-order mark, a quoted path holding commas) for three
// trackers that answer and one that is silent: the silent one fails alone, named by its
// port, while each of the others holds its own row on top of the base.
TEST_F(Fleet, EachTrackerGetsItsRowAndASilentOneFailsAlone) {
    std::vector<std::unique_ptr<SimulatedTracker>> trackers;
    for (int i = 0; i < 3; ++i) {
        trackers.push_back(std::make_unique<SimulatedTracker>());
    }
    const SimulatedTracker silent({"--silent"});
    ASSERT_TRUE(trackers[0]->ok() && trackers[1]->ok() && trackers[2]->ok() && silent.ok());
    test::writeAll(units, "\xEF\xBB\xBFport,primary.callsign,primary.digiPath,calibration\n" +
                              trackers[0]->devicePath() + ",N0AAA-1,\"WIDE1-1,WIDE2-1\",10\n" +
                              trackers[1]->devicePath() + ",N0BBB-2,RELAY,20\n" +
                              silent.devicePath() + ",N0SSS,,30\n" + trackers[2]->devicePath() +
                              ",N0CCC-3,WIDE2-2,\n");

    const auto run = writeUnits(base, units, dir / "before/", dir / "report.csv");

    EXPECT_EQ(run.exitCode, 1) << run.err;
    const std::vector<std::string> callsigns{"N0AAA-1", "N0BBB-2", "N0CCC-3"};
    const std::vector<int> calibrations{10, 20, TrackerConfig().calibration};
    for (std::size_t i = 0; i < trackers.size(); ++i) {
        const TrackerConfig held = heldBy(*trackers[i]);
        EXPECT_EQ(textOf(held.callsign[kPrimary]), callsigns[i]);
        EXPECT_EQ(textOf(held.statusText[kPrimary]), "club net");
        EXPECT_EQ(held.calibration, calibrations[i]);
    }
    EXPECT_EQ(textOf(heldBy(*trackers[0]).digiPath[kPrimary]), "WIDE1-1,WIDE2-1");
    EXPECT_NE(run.err.find(silent.devicePath() + ": Wrenlink3 Not Found"), std::string::npos)
        << run.err;
    const std::string report = test::readAll(dir / "report.csv");
    EXPECT_NE(report.find("\"" + silent.devicePath() + "\",\"N0SSS\",\"Wrenlink3 Not Found"),
              std::string::npos)
        << report;
    const std::string backup =
        (dir / "before" / "").string() + portFileName(trackers[2]->devicePath(), "-row5.wl3");
    EXPECT_NE(report.find("\"N0CCC-3\",\"Backup saved: " + backup +
                          "; Wrenlink3 Write: Write Successful\""),
              std::string::npos)
        << report;
    // Each row's advice counted at the end of its line: the obsolete RELAY only.
    EXPECT_NE(run.out.find("Advice\n"), std::string::npos) << run.out;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        const bool relayed = line.find("N0BBB-2") != std::string::npos;
        EXPECT_TRUE(line.ends_with(relayed                        ? ",\"1\""
                                   : line.starts_with("\"Port\"") ? ",\"Advice\""
                                                                  : ",\"0\""))
            << line;
    }
    // Each answering tracker's old image, named after its port and row; none for the silent.
    const auto backups = std::distance(std::filesystem::directory_iterator(dir / "before"),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(backups, 3);
}

// Every row is checked before any tracker is touched, and each fault is named by its row
// and its key.
TEST_F(Fleet, ABadRowRefusesTheWholeRunBeforeAnythingIsSent) {
    const SimulatedTracker first;
    const SimulatedTracker second;
    ASSERT_TRUE(first.ok() && second.ok());
    test::writeAll(units, "port,primary.callsign,primary.statusEvery\n" + first.devicePath() +
                              ",N0AAA,3\n" + second.devicePath() + ",N0TOOLONG,4\n" +
                              first.devicePath() + ",N0CCC,often\n");

    const auto run = writeUnits(base, units);

    EXPECT_EQ(run.exitCode, 1);
    const std::string file = units.string();
    for (const std::string& expected :
         {file + " row 3: primary.callsign \"N0TOOLONG\"",
          file + " row 4: \"primary.statusEvery\" must be a number",
          file + " row 4: port " + first.devicePath() + " is named twice"}) {
        EXPECT_NE(run.err.find(expected), std::string::npos) << expected << "\n" << run.err;
    }
    EXPECT_EQ(first.log(), "");
    EXPECT_EQ(second.log(), "");
}

// A row on top of a .wl3 base changes what it names and nothing else: a delay decoded from
// the file encodes one step off, and must reach the tracker as the file holds it.
TEST_F(Fleet, AWl3BaseKeepsItsBytesWhereARowChangesNothing) {
    const SimulatedTracker tracker;
    ASSERT_TRUE(tracker.ok());
    TrackerConfig config;
    config.autoTxDelayMs[kPrimary] = 125;
    config.quietTimeMs[kPrimary] = 500;
    const auto wl3Base = dir / "base.wl3";
    test::RecordingReporter reporter;
    ASSERT_EQ(saveConfigFile(wl3Base, config, reporter), Status::Ok);
    test::writeAll(units, "port,primary.callsign\n" + tracker.devicePath() + ",N0AAA-1\n");

    const auto run = writeUnits(wl3Base, units);

    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string file = test::readAll(wl3Base);
    const std::vector<std::uint8_t> held = tracker.storedImage();
    for (const std::size_t at : {4, 5, 34, 35}) { // the TX delays and quiet times
        EXPECT_EQ(held[at], static_cast<std::uint8_t>(file[8 + at])) << "byte " << at;
    }
    EXPECT_EQ(textOf(heldBy(tracker).callsign[kPrimary]), "N0AAA-1");
}

// Three trackers programmed from their rows, then one written again by hand: diff names that
// one alone in its table, the report keeps all three, and the run exits 1.
TEST_F(Fleet, DiffNamesTheTrackerChangedSinceItsWrite) {
    std::vector<std::unique_ptr<SimulatedTracker>> trackers;
    for (int i = 0; i < 3; ++i) {
        trackers.push_back(std::make_unique<SimulatedTracker>());
    }
    ASSERT_TRUE(trackers[0]->ok() && trackers[1]->ok() && trackers[2]->ok());
    test::writeAll(units, "port,primary.callsign\n" + trackers[0]->devicePath() + ",N0AAA-1\n" +
                              trackers[1]->devicePath() + ",N0BBB-2\n" + trackers[2]->devicePath() +
                              ",N0CCC-3\n");
    ASSERT_EQ(writeUnits(base, units).exitCode, 0);
    TrackerConfig byHand = heldBy(*trackers[1]);
    setText(byHand.callsign[kPrimary], "N0XXX-7");
    test::RecordingReporter reporter;
    ASSERT_EQ(saveConfigFile(dir / "by-hand.wl3", byHand, reporter), Status::Ok);
    test::CommandRun write;
    ASSERT_EQ(runWrite(write.context, *parsePortChoice(trackers[1]->devicePath()),
                       dir / "by-hand.wl3", {}, false),
              kExitOk);

    test::CommandRun run;
    std::ostringstream err;
    const int exitCode = runFleetDiff(
        run.context, {{}, {}, {}, units, dir / "report.csv", err, false, kTrackersAtOnce}, base);

    EXPECT_EQ(exitCode, 1) << err.str();
    const std::string table = run.out.str();
    EXPECT_NE(table.find(trackers[1]->devicePath()), std::string::npos) << table;
    EXPECT_NE(table.find("Callsign: N0XXX-7, not N0BBB-2"), std::string::npos) << table;
    EXPECT_EQ(table.find(trackers[0]->devicePath()), std::string::npos) << table;
    EXPECT_EQ(table.find(trackers[2]->devicePath()), std::string::npos) << table;
    const std::string report = test::readAll(dir / "report.csv");
    EXPECT_NE(report.find("Holds what its row writes"), std::string::npos) << report;
}

// More trackers than are served at once: they take turns, never more at a time than the
// bound, and every one gets its row.
TEST_F(Fleet, AFleetLargerThanTheBoundIsServedInTurns) {
    std::atomic<int> atWork{0};
    std::atomic<int> mostAtWork{0};
    const std::vector<std::string> ports(5, "/dev/wl3-no-such-port");
    std::ostringstream err;
    const auto outcomes = runFleet(
        ports,
        [&](const CommandContext&, SerialLink&, std::size_t, std::string&) {
            const int now = ++atWork;
            for (int most = mostAtWork;
                 most < now && !mostAtWork.compare_exchange_weak(most, now);) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            --atWork;
            return Status::Ok;
        },
        err, false, 2);
    EXPECT_LE(mostAtWork, 2);
    EXPECT_EQ(fleetExitStatus(outcomes), 0);

    std::vector<std::unique_ptr<SimulatedTracker>> trackers;
    std::string rows = "port,primary.callsign\n";
    for (int i = 0; i < 3; ++i) {
        trackers.push_back(std::make_unique<SimulatedTracker>());
        ASSERT_TRUE(trackers.back()->ok());
        rows += trackers.back()->devicePath() + ",N0AA" + std::to_string(i) + "\n";
    }
    test::writeAll(units, rows);

    const auto run = writeUnits(base, units, {}, {}, 2);

    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(textOf(heldBy(*trackers[i]).callsign[kPrimary]), "N0AA" + std::to_string(i));
    }
}

// A disk with room for nothing, for as long as it lives; nothing where no file system can be
// mounted (a user's run, a container).
class FullDisk {
public:
    explicit FullDisk(const std::filesystem::path& at) : at_(at) {
        std::filesystem::create_directory(at_);
        mounted_ = mount("tmpfs", at_.c_str(), "tmpfs", 0, "size=8k") == 0;
        if (mounted_) {
            std::ofstream filler(at_ / "filler", std::ios::binary);
            const std::string block(1024, 'x');
            while (filler.write(block.data(), block.size())) {
            }
        }
    }
    ~FullDisk() {
        if (mounted_) {
            umount(at_.c_str());
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
};

// Every file a run writes is worked out before anything is sent: a report that is one of the
// run's own files, that has no folder to go to, that may not be written or that a full disk
// has no room for, refuses the run with the trackers untouched.
TEST_F(Fleet, AReportThatCannotBeWrittenApartRefusesTheRunBeforeAnythingIsSent) {
    const SimulatedTracker first;
    const SimulatedTracker second;
    ASSERT_TRUE(first.ok() && second.ok());
    const std::string secondsFile = portFileName(second.devicePath(), ".wl3");
    test::writeAll(units, "port,primary.callsign\n" + first.devicePath() + ",N0AAA\n\n" +
                              second.devicePath() + ",N0BBB\n");
    const std::string secondsBackup = portFileName(second.devicePath(), "-row4.wl3");
    // Root could write it; its mode still says no.
    test::writeAll(dir / "read-only.csv", "kept");
    std::filesystem::permissions(dir / "read-only.csv", std::filesystem::perms::owner_read);
    std::filesystem::create_directory(dir / "folder.csv");
    const FullDisk full(dir / "full");

    struct Case {
        std::function<int(const CommandContext&, const FleetRequest&)> command;
        std::filesystem::path readFolder;
        std::filesystem::path backupFolder;
        std::filesystem::path report;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {runFleetRead,
         dir / "read/",
         {},
         dir / "read" / secondsFile,
         "the report would replace the file of " + second.devicePath()},
        {[&](const CommandContext& context, const FleetRequest& request) {
             return runFleetWrite(context, request, base);
         },
         {},
         dir / "before/",
         dir / "before" / secondsBackup,
         "the report would replace the backup of " + second.devicePath()},
        {runFleetRead,
         dir / "read/",
         {},
         dir / "missing" / "report.csv",
         "is in a folder that does not exist"},
        {runFleetRead, dir / "read/", {}, dir / "read-only.csv", "is read-only"},
        {runFleetRead, dir / "read/", {}, dir / "folder.csv", "is a folder"},
        {runFleetRead, dir / "read/", {}, dir / "full" / "report.csv", "No space left on device"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        if (c.report.parent_path() == dir / "full" && !full.mounted()) {
            continue; // no disk to fill here
        }
        const bool existed = std::filesystem::exists(c.report);
        test::CommandRun run;
        std::ostringstream err;
        const FleetRequest request{{first.devicePath(), second.devicePath()},
                                   c.readFolder,
                                   c.backupFolder,
                                   units,
                                   c.report,
                                   err,
                                   false};
        const auto refused = outcomeOf(c.command(run.context, request), run, err);

        EXPECT_EQ(refused.exitCode, 1);
        const std::string step =
            c.refusal == "No space left on device" ? "Failed to write data" : "Failed to open file";
        EXPECT_EQ(refused.err,
                  "Save Failed: " + step + "\n" + c.report.string() + ": " + c.refusal + "\n");
        EXPECT_EQ(std::filesystem::exists(c.report), existed);
    }
    EXPECT_EQ(test::readAll(dir / "read-only.csv"), "kept");
    EXPECT_EQ(first.log(), "");
    EXPECT_EQ(second.log(), "");
}

// A tracker still waiting for its turn when Ctrl-C comes is not begun, and its row keeps the
// callsign it was to be given.
TEST(FleetRun, ATrackerNotBegunKeepsTheCallsignOfItsRow) {
    std::ostringstream err;
    const auto interrupt = [](const CommandContext&, SerialLink&, std::size_t, std::string&) {
        noteInterruptCaught(kExitInterrupted);
        return Status::Ok;
    };
    const auto outcomes = runFleet({"first", "second"}, interrupt, err, false, 1, {"N0A", "N0B"});
    forgetInterrupts();
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[1].exitStatus, kExitInterrupted);
    EXPECT_EQ(outcomes[1].callsign, "N0B");
}

// A port's name comes from the command line or a units file: written before its tracker's
// messages, it must neither drive the terminal nor break the line.
TEST(FleetRun, APortsNameReachesTheTerminalEscaped) {
    std::ostringstream err;
    const auto fail = [](const CommandContext& unit, SerialLink&, std::size_t, std::string&) {
        unit.reporter.report(PortNotOpen{});
        return Status::Failed;
    };
    runFleet({"/nodev/\x1b[31mRED\x1b[0m\x07\nX"}, fail, err, false);
    EXPECT_EQ(err.str(), "/nodev/?[31mRED?[0m??X: ComPort Invalid\n");
}

} // namespace
} // namespace wl3
