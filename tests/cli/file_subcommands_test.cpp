#include "command_run.h"
#include "formats/config_file.h"
#include "formats/config_json.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

using test::CommandRun;
using test::readAll;
using test::RecordingReporter;
using test::writeAll;
using Entry = RecordingReporter::Entry;
using Json = nlohmann::ordered_json;

class FileCommands : public testing::Test {
protected:
    std::filesystem::path saved(const std::string& name, TrackerConfig config = {}) const {
        RecordingReporter reporter;
        EXPECT_EQ(saveConfigFile(dir / name, config, reporter), Status::Ok);
        return dir / name;
    }

    test::TempDir dir;
};

TEST_F(FileCommands, ExportOfTheDefaultFileShowsTheDecodersValues) {
    CommandRun run;
    ASSERT_EQ(runExport(run.context, saved("default.wl3"), {}), kExitOk);
    Json expected = configToJson(TrackerConfig());
    for (const char* profile : {"primary", "secondary"}) {
        expected[profile]["manualTxDelayMs"] = 127;
        expected[profile]["quietTimeMs"] = 526;
    }
    EXPECT_EQ(run.out.str(), expected.dump(2) + "\n");
    EXPECT_TRUE(run.reporter.entries.empty());
}

TEST_F(FileCommands, ImportThenExportGivesTheSameJsonUpToTheEncodersConversions) {
    TrackerConfig config;
    setText(config.callsign[kSecondary], "W1AW-7");
    setText(config.statusText[kPrimary], "Stra\xDF"
                                         "e");
    config.timeSlotting[kSecondary] = true;
    config.autoRateSec[kSecondary] = 60;
    config.manualTxDelayMs[kPrimary] = 300;
    config.calibration = 255;
    writeAll(dir / "in.json", configToJsonText(config));

    CommandRun run;
    ASSERT_EQ(runImport(run.context, dir / "in.json", dir / "out.wl3", false), kExitOk);
    ASSERT_EQ(runExport(run.context, dir / "out.wl3", dir / "out.json"), kExitOk);
    EXPECT_TRUE(run.reporter.entries.empty());

    Json expected = configToJson(config);
    expected["secondary"]["rateDivides60"] = true; // derived by the encoder
    expected["secondary"]["rateDivides600"] = true;
    for (const char* profile : {"primary", "secondary"}) {
        expected[profile]["quietTimeMs"] = 526; // 26.3 ms steps
    }
    expected["secondary"]["manualTxDelayMs"] = 127; // 6.666 ms steps
    EXPECT_EQ(readAll(dir / "out.json"), expected.dump(2) + "\n");
}

// What the encoder would store as something else (cut, wrapped to its low bits, clamped) is
// refused by its key; at the edges, or where the image holds nothing of it, it passes.
TEST_F(FileCommands, ImportRefusesValuesTheTrackerCannotHoldAsGiven) {
    const std::string address =
        "up to six letters or digits, optionally followed by -0 to -15 for the SSID";
    const std::vector<std::pair<std::string, std::string>> cases{
        {R"({"primary": {"callsign": "KD2ABCD-9"}})",
         R"(primary.callsign "KD2ABCD-9": the tracker holds )" + address},
        {R"({"secondary": {"callsign": "K1ABC-16"}})",
         R"(secondary.callsign "K1ABC-16": the tracker holds )" + address},
        {R"({"primary": {"callsign": "N0CALL/P"}})",
         R"(primary.callsign "N0CALL/P": the tracker holds )" + address},
        {R"({"primary": {"digiPath": "WIDE1-1,TOOLONGCALL-2"}})",
         R"(primary.digiPath "WIDE1-1,TOOLONGCALL-2": the tracker holds addresses separated )"
         "by commas, each " +
             address},
        {R"({"calibration": 999})", "calibration 999: the tracker holds 0 to 255"},
        {R"({"secondary": {"statusEvery": 300}})",
         "secondary.statusEvery 300: the tracker holds 0 to 255 transmissions"},
        {R"({"primary": {"micEPath": -1}})", "primary.micEPath -1: the tracker holds 0 to 255"},
        {R"({"primary": {"manualTxDelayMs": 1701}})",
         "primary.manualTxDelayMs 1701: the tracker holds 0 to 1700 milliseconds"},
        {R"({"secondary": {"quietTimeMs": 6707}})",
         "secondary.quietTimeMs 6707: the tracker holds 0 to 6706 milliseconds"},
        {R"({"primary": {"autoRateSec": 65536}})",
         "primary.autoRateSec 65536: the tracker holds 0 to 65535 seconds"},
        {R"({"primary": {"smartBeaconing": true, "turnSlope": 65536}})",
         "primary.turnSlope 65536: the tracker holds 0 to 65535"},
        {R"({"primary": {"timeSlotting": true, "autoRateSec": 60, "slotOffsetSec": 62}})",
         "primary.slotOffsetSec 62: the tracker holds 0 to 61 seconds, the auto transmit rate "
         "plus one"},
        {R"({"primary": {"symbol": "\u00e9"}})",
         "primary.symbol \"\xE9\": the tracker holds one printable ASCII character, ! to ~"},
        {R"({"secondary": {"symbolTable": ""}})",
         R"(secondary.symbolTable "": the tracker holds one printable ASCII character, ! to ~)"},
        {R"({"primary": {"digiPath": ",WIDE1-1"}})",
         R"(primary.digiPath ",WIDE1-1": the tracker holds addresses separated )"
         "by commas, each " +
             address},
        {R"({"primary": {"digiPath": "WIDE1-1,,WIDE2-1", "symbol": "~"}})", ""},
        {R"({"calibration": 255, "primary": {"callsign": " kd2abc-15 ",
             "digiPath": "WIDE1-1,WIDE2-2", "statusEvery": 0, "manualTxDelayMs": 1700,
             "quietTimeMs": 6706, "autoRateSec": 65535}})",
         ""},
        // The blocks that would hold these are off.
        {R"({"primary": {"turnSlope": 70000, "slotOffsetSec": 999}})", ""},
        {R"({"secondary": {"timeSlotting": true, "autoRateSec": 60, "slotOffsetSec": 61}})", ""},
    };
    for (const auto& [json, refusal] : cases) {
        SCOPED_TRACE(json);
        writeAll(dir / "in.json", json);
        std::filesystem::remove(dir / "out.wl3");
        CommandRun run;
        EXPECT_EQ(runImport(run.context, dir / "in.json", dir / "out.wl3", false),
                  refusal.empty() ? kExitOk : kExitFailed);
        const std::vector<Entry> refused{{"Save Failed", refusal}};
        EXPECT_EQ(run.reporter.entries, refusal.empty() ? std::vector<Entry>{} : refused);
        EXPECT_EQ(std::filesystem::exists(dir / "out.wl3"), refusal.empty());
    }
}

// A text the image would cut is refused, with how much of it fits, unless the user accepts
// the cut: then today's warning, and the file.
// Advice never refuses: it is printed, with the profile and key, and the exit status tells
// whether there was any.
TEST_F(FileCommands, CheckAdvisesOnObsoletePathsAndPlaceholderCallsigns) {
    writeAll(dir / "advised.json",
             Json{{"primary", {{"callsign", "NOCALL"}, {"digiPath", "RELAY,WIDE5-5"}}},
                  {"secondary", {{"callsign", "KD2ABC-7"}}}}
                 .dump());
    CommandRun advised;
    EXPECT_EQ(runCheck(advised.context, {(dir / "advised.json").string()}), kExitFailed);
    EXPECT_EQ(advised.out.str(),
              "primary.callsign: NOCALL is a placeholder that may not be transmitted: set your "
              "own callsign\n"
              "primary.digiPath: RELAY is obsolete and no longer served by the networks: use "
              "WIDE1-1,WIDE2-1 or WIDE2-2\n"
              "primary.digiPath: WIDE5-5 asks for more than two hops and floods the network: use "
              "WIDE2-2 at most\n"
              "primary.digiPath: the path asks for 6 hops in all; more than two floods the "
              "network\n");

    writeAll(dir / "clean.json", Json{{"primary", {{"callsign", "KD2ABC-9"}}},
                                      {"secondary", {{"callsign", "KD2ABC-7"}}}}
                                     .dump());
    CommandRun clean;
    EXPECT_EQ(runCheck(clean.context, {(dir / "clean.json").string()}), kExitOk);
    EXPECT_EQ(clean.out.str(), "");
    EXPECT_TRUE(clean.reporter.entries.empty());
}

TEST_F(FileCommands, ImportRefusesTextThatWouldBeCutUnlessAllowed) {
    writeAll(dir / "in.json", Json{{"primary", {{"statusText", std::string(100, 'p')}}},
                                   {"secondary", {{"statusText", "other"}}}}
                                  .dump());
    CommandRun refused;
    EXPECT_EQ(runImport(refused.context, dir / "in.json", dir / "out.wl3", false), kExitFailed);
    ASSERT_EQ(refused.reporter.entries.size(), 1u);
    EXPECT_EQ(refused.reporter.entries[0].caption, "Status Beacon Text Too Long");
    EXPECT_NE(refused.reporter.entries[0].text.find(
                  "Primary status text: 100 characters, of which 72 fit"),
              std::string::npos)
        << refused.reporter.entries[0].text;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.wl3"));

    CommandRun run;
    EXPECT_EQ(runImport(run.context, dir / "in.json", dir / "out.wl3", true), kExitOk);
    ASSERT_EQ(run.reporter.entries.size(), 3u);
    EXPECT_EQ(run.reporter.entries[0].caption, "Status Beacon Text Truncated");
    // The closing lines name what was lost: the 28 characters that did not fit, and the
    // Secondary's whole text, whose room the Primary's took.
    EXPECT_EQ(run.reporter.entries[1].text,
              "Primary status text stored without \"" + std::string(28, 'p') + "\"");
    EXPECT_EQ(run.reporter.entries[2].text, "Seconday status text stored without \"other\"");
    EXPECT_EQ(std::filesystem::file_size(dir / "out.wl3"), 136u);
}

TEST_F(FileCommands, FailedImportsLeaveTheOutputAsItWas) {
    writeAll(dir / "too-long.json",
             R"({"primary": {"digiPath": "WIDE1-1,WIDE2-1,WIDE3-1,WIDE4-1,WIDE5-1,WIDE6-1"},
                 "secondary": {"digiPath": "WIDE1-2,WIDE2-2,WIDE3-2,WIDE4-2,WIDE5-2,WIDE6-2"}})");
    writeAll(dir / "unknown-key.json", R"({"primary": {"colour": "red"}})");
    writeAll(dir / "broken.json", R"({"primary": )");
    const std::vector<std::pair<std::string, std::string>> cases{
        {"too-long.json",
         "The callsigns and digipeater paths do not fit in the tracker's memory. Use fewer "
         "digipeaters, or make the primary and secondary callsigns and paths identical."},
        {"unknown-key.json", "unknown key \"primary.colour\"\n" +
                                 (dir / "unknown-key.json").string() +
                                 ": is not a configuration in JSON form"},
        {"missing.json",
         "Failed to open file\n" + (dir / "missing.json").string() + ": does not exist"},
    };
    for (const auto& [input, message] : cases) {
        SCOPED_TRACE(input);
        for (bool outputExists : {false, true}) {
            const auto output = dir / "out.wl3";
            std::filesystem::remove(output);
            if (outputExists) {
                writeAll(output, "keep me");
            }
            CommandRun run;
            EXPECT_EQ(runImport(run.context, dir / input, output, false), kExitFailed);
            ASSERT_EQ(run.reporter.entries.size(), 1u);
            EXPECT_EQ(run.reporter.entries[0].text, message);
            EXPECT_EQ(std::filesystem::exists(output), outputExists);
            if (outputExists) {
                EXPECT_EQ(readAll(output), "keep me");
            }
        }
    }
    CommandRun run;
    EXPECT_EQ(runImport(run.context, dir / "broken.json", dir / "out.wl3", false), kExitFailed);
    ASSERT_EQ(run.reporter.entries.size(), 1u);
    EXPECT_EQ(run.reporter.entries[0].caption, "Load Failed");
    EXPECT_EQ(run.reporter.entries[0].text.rfind("not valid JSON: ", 0), 0u);
}

TEST_F(FileCommands, ExportReplacesItsOutputWholeAndLeavesNoTemporaryFile) {
    const auto input = saved("in.wl3");
    writeAll(dir / "out.json", std::string(5000, 'x'));
    CommandRun run;
    ASSERT_EQ(runExport(run.context, input, dir / "out.json"), kExitOk);
    TrackerConfig config;
    JsonProblem problem;
    EXPECT_TRUE(configFromJsonText(readAll(dir / "out.json"), config, problem)) << problem.key;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
    EXPECT_EQ(run.out.str(), "");
}

TEST_F(FileCommands, AnOutputThatIsTheInputIsRefusedAndTheInputKept) {
    const auto wl3 = saved("same.wl3");
    const std::string image = readAll(wl3);
    writeAll(dir / "same.json", R"({"calibration": 1})");
    std::filesystem::create_symlink("same.json", dir / "link.json");
    const auto refusal = [](const std::filesystem::path& output) {
        return Entry{"Save Failed",
                     "Failed to open file\n" + output.string() + ": is the input file"};
    };

    CommandRun run;
    EXPECT_EQ(runExport(run.context, wl3, wl3), kExitFailed);
    EXPECT_EQ(runImport(run.context, dir / "same.json", dir / "link.json", false), kExitFailed);
    // A backup of the tracker would replace the configuration about to be written.
    EXPECT_EQ(runWrite(run.context, *parsePortChoice("/dev/wl3-no-such-port"), wl3, wl3, false),
              kExitFailed);
    EXPECT_EQ(run.reporter.entries,
              (std::vector<Entry>{refusal(wl3), refusal(dir / "link.json"), refusal(wl3)}));
    EXPECT_EQ(readAll(wl3), image);
    EXPECT_EQ(readAll(dir / "same.json"), R"({"calibration": 1})");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.json"));
}

TEST_F(FileCommands, ABinaryFileIsNotPutOnATerminal) {
    writeAll(dir / "in.json", R"({"calibration": 1})");
    const auto noPort = *parsePortChoice("/dev/wl3-no-such-port");
    CommandRun run;
    run.context.outIsTerminal = true;
    EXPECT_EQ(runImport(run.context, dir / "in.json", "-", false), kExitFailed);
    EXPECT_EQ(runRead(run.context, noPort, "-"), kExitFailed);
    EXPECT_EQ(runWrite(run.context, noPort, dir / "in.json", "-", false), kExitFailed);
    // Each refused before the port was tried.
    const Entry refusal{"Save Failed", "Failed to open file\nstandard output is a terminal, and "
                                       "a .wl3 file is binary: redirect it or name a file"};
    EXPECT_EQ(run.reporter.entries, std::vector<Entry>(3, refusal));
    EXPECT_EQ(run.out.str(), "");

    EXPECT_EQ(runExport(run.context, saved("in.wl3"), "-"), kExitOk);
    EXPECT_EQ(run.out.str().rfind("{\n  \"calibration\": 128,", 0), 0u) << run.out.str();
}

TEST_F(FileCommands, ExportOfAFileThatIsNotWl3Fails) {
    writeAll(dir / "in.wl3", R"({"calibration": 1})");
    CommandRun run;
    EXPECT_EQ(runExport(run.context, dir / "in.wl3", {}), kExitFailed);
    EXPECT_EQ(
        run.reporter.entries,
        (std::vector<Entry>{{"Load Failed", "Invalid File Format\n" + (dir / "in.wl3").string() +
                                                ": is not a configuration file"}}));
    EXPECT_EQ(run.out.str(), "");
}

TEST_F(FileCommands, ShowReadsBothFileKinds) {
    TrackerConfig config;
    setText(config.callsign[kSecondary], "W1AW");
    writeAll(dir / "in.json", configToJsonText(config));
    CommandRun fromJson;
    ASSERT_EQ(runShow(fromJson.context, dir / "in.json"), kExitOk);
    CommandRun fromWl3;
    ASSERT_EQ(runShow(fromWl3.context, saved("in.wl3", config)), kExitOk);
    EXPECT_NE(
        fromJson.out.str().find("Callsign:                NOCALL                      W1AW\n"),
        std::string::npos);
    // The .wl3 file went through the encoder: its delays are those the tracker keeps.
    EXPECT_NE(fromJson.out.str().find("Quiet Time:            500 milliseconds"),
              std::string::npos);
    EXPECT_NE(fromWl3.out.str().find("Quiet Time:            526 milliseconds"), std::string::npos);
}

TEST_F(FileCommands, ShowOfAMissingFileFails) {
    CommandRun run;
    EXPECT_EQ(runShow(run.context, dir / "missing.wl3"), kExitFailed);
    EXPECT_EQ(run.reporter.entries,
              (std::vector<Entry>{{"Load Failed", "Failed to open file\n" +
                                                      (dir / "missing.wl3").string() +
                                                      ": does not exist"}}));
    EXPECT_EQ(run.out.str(), "");
}

} // namespace
} // namespace wl3
