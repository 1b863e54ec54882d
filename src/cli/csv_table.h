#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wl3 {

// Tables as spreadsheets read and write them (CSV), through libcsv, which knows the quoting:
// a quoted field may hold commas, quotes and line breaks.
using CsvRow = std::vector<std::string>;

// The rows of bytes, empty lines left out, or nothing with error saying why (a quote
// where none belongs, one left open). A byte-order mark at the start, which some
// spreadsheets write, is no part of the first field.
std::optional<std::vector<CsvRow>> parseCsv(std::string_view bytes, std::string& error);

// fields as one line of CSV, each quoted, ending in a line break.
std::string csvLine(const CsvRow& fields);

} // namespace wl3
