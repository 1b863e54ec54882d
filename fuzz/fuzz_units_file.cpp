#include "formats/csv_table.h"
#include "formats/units_file.h"
#include "link/port_choice.h"
#include "require.h"
#include "support/recording_reporter.h"
#include "text_checks.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

using namespace wl3;
using fuzz::require;

// Rows are numbered by line breaks outside quotes, so none can be numbered past them.
int lastRowNumber(std::string_view text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n') +
                                std::count(text.begin(), text.end(), '\r'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Exactly the input on the heap, so that a read past its end is an overflow.
    const std::string text(reinterpret_cast<const char*>(data), size);

    // What the reader gives back, a spreadsheet line each, reads as the same fields, in rows
    // numbered upwards.
    FileReason refusal;
    if (const auto records = parseCsv(text, refusal)) {
        int previous = 0;
        for (const CsvRecord& record : *records) {
            require(record.number > previous && record.number <= lastRowNumber(text));
            previous = record.number;
            const auto again = parseCsv(csvLine(record.fields), refusal);
            require(again && again->size() == 1 && again->front().fields == record.fields);
        }
    } else {
        require(refusal.problem == FileProblem::NoMemory ||
                (refusal.problem == FileProblem::NotCsv && !refusal.detail.empty()));
    }

    // A units file: refused with at least one message naming the file, or every unit with a
    // port it may open, its row's place, and texts the tracker can hold.
    TrackerConfig base;
    test::RecordingReporter reporter;
    std::vector<Unit> units;
    const Status status = readUnits(text, "units.csv", base, reporter, units);
    if (status != Status::Ok) {
        require(!reporter.entries.empty());
        for (const auto& entry : reporter.entries) {
            require(entry.text.find("units.csv") != std::string::npos);
        }
        return 0;
    }
    require(!units.empty());
    int previous = 1;
    for (const Unit& unit : units) {
        require(unit.row > previous);
        require(parsePortChoice(unit.port).has_value());
        fuzz::requireTerminatedTexts(unit.config);
        previous = unit.row;
    }
    return 0;
}
