#include "config/config_comparison.h"
#include "support/example_records.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

using test::Image;

Image encoded(const TrackerConfig& config) {
    test::RecordingReporter reporter;
    return encodeOntoImage(config, test::defaultImage(), reporter).value();
}

// The profiles' fields first, Primary before Secondary, and the calibration once at the end,
// each under its own profile.
TEST(CompareConfigurations, EachDifferingFieldOnceInItsProfile) {
    TrackerConfig changed;
    changed.calibration = 131;
    setText(changed.callsign[kPrimary], "N0CALL-9");
    setText(changed.digiPath[kSecondary], "WIDE1-1");
    const ConfigComparison comparison =
        compareConfigurations(test::defaultImage(), encoded(changed));
    ASSERT_EQ(comparison.differences.size(), 3U);
    EXPECT_EQ(comparison.differences[0].field->key, "callsign");
    EXPECT_EQ(comparison.differences[0].profile, kPrimary);
    EXPECT_EQ(comparison.differences[1].field->key, "digiPath");
    EXPECT_EQ(comparison.differences[1].profile, kSecondary);
    EXPECT_EQ(comparison.differences[2].field->key, "calibration");
    EXPECT_EQ(textOf(comparison.second.callsign[kPrimary]), "N0CALL-9");
    for (const FieldDifference& difference : comparison.differences) {
        EXPECT_FALSE(difference.shownAlike) << difference.field->key;
    }
}

// With timestamps off, the HMS bit changes nothing the window shows: the difference is
// still there, marked as one only the record tells.
TEST(CompareConfigurations, ADifferenceTheWindowShowsAlikeIsMarked) {
    TrackerConfig changed;
    changed.timestampHms[kPrimary] = true;
    const ConfigComparison comparison =
        compareConfigurations(test::defaultImage(), encoded(changed));
    ASSERT_EQ(comparison.differences.size(), 1U);
    EXPECT_EQ(comparison.differences[0].field->key, "timestampHms");
    EXPECT_TRUE(comparison.differences[0].shownAlike);
}

} // namespace
} // namespace wl3
