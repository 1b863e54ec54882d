#include "formats/csv_table.h"
#include "wording/wording.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wl3 {
namespace {

using Rows = std::vector<std::pair<int, CsvRow>>;

Rows numberedRows(const std::vector<CsvRecord>& records) {
    Rows rows;
    for (const CsvRecord& record : records) {
        rows.emplace_back(record.number, record.fields);
    }
    return rows;
}

// What spreadsheets write, and the row numbers they show for it, which every message about
// a units file's row names.
TEST(CsvTable, ParseCsvReadsFieldsAndNumbersRowsAsSpreadsheetsDo) {
    struct Case {
        const char* name;
        std::string_view bytes;
        Rows rows;
        std::string error; // when the bytes are refused
    };
    const std::string refused = ": error parsing data while strict checking enabled";
    const std::vector<Case> cases{
        {"nothing", "", {}, ""},
        {"doubled quotes",
         "\"say \"\"hi\"\", then go\",x\n",
         {{1, {"say \"hi\", then go", "x"}}},
         ""},
        {"byte-order mark before a quoted field",
         "\xEF\xBB\xBF\"port\",\"calibration\"\n",
         {{1, {"port", "calibration"}}},
         ""},
        {"CRLF line ends",
         "a,b\r\nc,d\r\ne,f",
         {{1, {"a", "b"}}, {2, {"c", "d"}}, {3, {"e", "f"}}},
         ""},
        {"line breaks within quotes",
         "a,\"two\nlines\"\nb,\"and\r\nthese\"\r\nc,x\n",
         {{1, {"a", "two\nlines"}}, {2, {"b", "and\r\nthese"}}, {3, {"c", "x"}}},
         ""},
        {"blank lines", "a\n\nb\r\n\r\n\nc\n\n", {{1, {"a"}}, {3, {"b"}}, {6, {"c"}}}, ""},
        {"cells as they stand",
         "a,b,c\nd\n e ,\tf\t,,\n",
         {{1, {"a", "b", "c"}}, {2, {"d"}}, {3, {"e", "f", "", ""}}},
         ""},
        {"unterminated quote", "a\n\"b\nc,d\n", {}, "not valid CSV in row 2" + refused},
        {"stray quote", "a\n\"b\nc\"\nd\"e\n", {}, "not valid CSV in row 3" + refused},
        {"text after a closing quote", "\"a\"b\n", {}, "not valid CSV in row 1" + refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileReason refusal;
        const auto records = parseCsv(c.bytes, refusal);
        // As the units file's load words it.
        const std::string shown =
            englishText(wordingOf(FileFailed{FileAction::Load, FileStep::Read, "u.csv", refusal}));
        if (c.error.empty()) {
            ASSERT_TRUE(records) << shown;
            EXPECT_EQ(numberedRows(*records), c.rows);
        } else {
            EXPECT_FALSE(records);
            EXPECT_EQ(shown, "Failed to read data\nu.csv: " + c.error);
        }
    }
}

} // namespace
} // namespace wl3
