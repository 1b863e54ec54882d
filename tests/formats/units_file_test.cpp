#include "formats/units_file.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

// A spreadsheet saves its tables in the encoding and with the separator of its language as
// readily as in UTF-8 with commas: the file is named for what it is, not for a character
// or a column it seems to lack.
TEST(UnitsFile, AFileInAnotherEncodingOrWithSemicolonsIsNamedSo) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string shown;
    };
    const std::string file = "units.csv";
    const std::vector<Case> cases{
        {"Latin-1", "port,primary.statusText\n/dev/ttyUSB0,caf\xE9\n",
         "Failed to read data\nunits.csv: is not UTF-8 text (a spreadsheet's \"ANSI\" or Latin-1, "
         "perhaps): save it as \"CSV UTF-8\""},
        {"UTF-16", std::string("\xFF\xFEp\0o\0r\0t\0\n\0", 12),
         "Failed to read data\nunits.csv: is UTF-16 text, and a units file is read as UTF-8: save "
         "it as \"CSV UTF-8\""},
        {"semicolons", "port;primary.callsign\n/dev/ttyUSB0;N0CALL\n",
         "units.csv row 1: the columns are separated by semicolons, and a units file's by commas: "
         "save it as CSV with commas"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingReporter reporter;
        std::vector<Unit> units;
        EXPECT_EQ(readUnits(c.bytes, file, TrackerConfig(), reporter, units), Status::Failed);
        EXPECT_EQ(reporter.texts(), std::vector<std::string>{c.shown});
    }
}

} // namespace
} // namespace wl3
