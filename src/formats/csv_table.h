#pragma once

#include "outcomes/file_problem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wl3 {

// Tables as spreadsheets read and write them (CSV), through libcsv, which knows the quoting:
// a quoted field may hold commas, quotes and line breaks.
using CsvRow = std::vector<std::string>;

// A row of a table that holds something, and its number as a spreadsheet shows it: blank
// lines counted, line breaks within quotes not, the first row 1.
struct CsvRecord {
    int number = 0;
    CsvRow fields;
};

// The rows of bytes that hold something, blank lines left out, or nothing with refusal
// saying why (a quote where none belongs, one left open: the row and the parser's words).
// A byte-order mark at the start, which some spreadsheets write, is no part of the first
// field. Spaces and tabs around a field that is not quoted are no part of it.
std::optional<std::vector<CsvRecord>> parseCsv(std::string_view bytes, FileReason& refusal);

// fields as one line of CSV, each quoted, ending in a line break.
std::string csvLine(const CsvRow& fields);

} // namespace wl3
