#include "cli_run.h"
#include "config/config_image.h"
#include "formats/config_file.h"
#include "support/example_records.h"
#include "support/recording_reporter.h"
#include "support/simulated_tracker.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <utility>

namespace wl3 {
namespace {

// wl3 diff with arguments.
test::CliResult diff(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "diff");
    return test::runInProcess(std::move(arguments));
}

class Diff : public testing::Test {
protected:
    std::string saved(const std::string& name, const TrackerConfig& config) const {
        test::RecordingReporter reporter;
        EXPECT_EQ(saveConfigFile(dir / name, config, reporter), Status::Ok);
        return (dir / name).string();
    }

    std::string savedImage(const std::string& name, const ConfigImage& image) const {
        test::RecordingReporter reporter;
        EXPECT_EQ(saveConfigImage(dir / name, image, reporter), Status::Ok);
        return (dir / name).string();
    }

    std::string json(const std::string& name, const std::string& text) const {
        test::writeAll(dir / name, text);
        return (dir / name).string();
    }

    test::TempDir dir;
};

// A file against itself, another callsign (as lines and as JSON), bytes no field reads,
// and a tracker holding the file's image: each with the exit status a script tests.
TEST_F(Diff, FilesAndATrackerComparedAsTheTrackerHoldsThem) {
    const std::string file = saved("a.wl3", test::secondExampleRecord());
    const auto itself = diff({file, file});
    EXPECT_EQ(itself.exitCode, 0) << itself.err;
    EXPECT_EQ(itself.out, "");

    TrackerConfig other = test::secondExampleRecord();
    setText(other.callsign[kPrimary], "N0CALL-5");
    const std::string changed = saved("b.wl3", other);
    const auto lines = diff({file, changed});
    EXPECT_EQ(lines.exitCode, 1) << lines.err;
    EXPECT_EQ(lines.out, "Primary  Callsign  N0CALL-9 \u2192 N0CALL-5\n");
    const auto asJson = diff({file, changed, "--json"});
    EXPECT_EQ(asJson.exitCode, 1);
    const auto document = nlohmann::json::parse(asJson.out);
    EXPECT_EQ(document.at("same"), false);
    EXPECT_EQ(document.at("differences").size(), 1U);
    EXPECT_EQ(document.at("differences").at("primary.callsign").at("second"), "N0CALL-5");

    // Byte 3 (the calibration's unused twin), bit 7 of both second flag bytes, a byte past
    // the status texts: the tracker keeps them, no field reads them.
    test::Image bytes = test::defaultImage();
    bytes[3] ^= 0x01;
    bytes[18] |= 0x80;
    bytes[19] |= 0x80;
    bytes[100] = 0x55;
    const auto stored =
        diff({savedImage("c.wl3", test::defaultImage()), savedImage("d.wl3", bytes)});
    EXPECT_EQ(stored.exitCode, 0) << stored.err;
    EXPECT_EQ(stored.out, "same record, 4 stored bytes differ\n");

    const test::SimulatedTracker tracker({"--image-file", file});
    ASSERT_TRUE(tracker.ok());
    const auto held = diff({file, "--port", tracker.devicePath()});
    EXPECT_EQ(held.exitCode, 0) << held.err;
    EXPECT_EQ(held.out, "");
}

// 2, not 1: a script must not take a missing file for a different configuration.
TEST_F(Diff, WhatCannotBeComparedExitsTwoAndSaysWhy) {
    const std::string file = saved("a.wl3", {});
    const auto missing = diff({file, (dir / "missing.wl3").string()});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("missing.wl3"), std::string::npos) << missing.err;

    const auto unholdable = diff({file, json("b.json", R"({"calibration": 300})")});
    EXPECT_EQ(unholdable.exitCode, 2);
    EXPECT_NE(unholdable.err.find("calibration 300"), std::string::npos) << unholdable.err;
    EXPECT_EQ(unholdable.out, "");
}

} // namespace
} // namespace wl3
