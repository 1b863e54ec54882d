#include "formats/units_file.h"

#include "files/file_messages.h"
#include "files/whole_file.h"
#include "formats/config_json.h"
#include "formats/csv_table.h"
#include "link/port_choice.h"

#include <algorithm>

namespace wl3 {

namespace {

// A table of a few hundred trackers is a few dozen kilobytes.
constexpr std::size_t kUnitsFileLimit = std::size_t{4} * 1024 * 1024;

// The header's keys, checked: one port column, known keys, none twice.
bool checkHeader(const CsvRow& header, const std::string& place, Reporter& reporter) {
    bool ok = true;
    for (auto key = header.begin(); key != header.end(); ++key) {
        int profile = kPrimary;
        if (std::find(header.begin(), key, *key) != key) {
            reporter.errorBox(place + ": column \"" + *key + "\" is named twice");
            ok = false;
        } else if (*key != kPortColumn && findConfigKey(*key, profile) == nullptr) {
            reporter.errorBox(place + ": unknown key \"" + *key + "\"");
            ok = false;
        }
    }
    return ok;
}

// The row's unit, with every value of the row that the unit can take; false after
// reporting each fault of the row.
bool readRow(const CsvRow& header, const CsvRow& cells, Unit& unit, Reporter& reporter) {
    if (cells.size() != header.size()) {
        reporter.errorBox(unit.place + ": " + std::to_string(cells.size()) +
                          " cells where the header has " + std::to_string(header.size()) +
                          " (a text holding a comma goes in double quotes)");
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::string error;
        int profile = kPrimary;
        if (header[i] == kPortColumn) {
            unit.port = cells[i];
            error = checkPortChoice(cells[i]);
            if (!error.empty()) {
                error.insert(0, "port: ");
            }
        } else if (!cells[i].empty() && findConfigKey(header[i], profile) != nullptr) {
            setConfigValueFromText(header[i], cells[i], unit.config, error);
        }
        if (!error.empty()) {
            reporter.errorBox(unit.place + ": " + error);
            ok = false;
        }
    }
    return ok;
}

} // namespace

Status loadUnits(const std::filesystem::path& path, const TrackerConfig& base, Reporter& reporter,
                 std::vector<Unit>& units) {
    const std::optional<std::string> bytes = readInputFile(path, kUnitsFileLimit, reporter);
    return bytes ? readUnits(*bytes, path, base, reporter, units) : Status::Failed;
}

Status readUnits(std::string_view bytes, const std::filesystem::path& path,
                 const TrackerConfig& base, Reporter& reporter, std::vector<Unit>& units) {
    const std::string file = nameForMessages(path);
    std::string error;
    const auto rows = parseCsv(bytes, error);
    if (!rows || rows->size() < 2) {
        reporter.message(kLoadFailed,
                         explainedFailure(kFailedToReadData, path,
                                          rows ? "holds no tracker below its header" : error));
        return Status::Failed;
    }
    const CsvRow& header = rows->front().fields;
    const std::string headerPlace = file + " row " + std::to_string(rows->front().number);
    if (std::ranges::find(header, kPortColumn) == header.end()) {
        reporter.errorBox(headerPlace + ": no column \"" + std::string(kPortColumn) + "\"");
        return Status::Failed;
    }
    bool ok = checkHeader(header, headerPlace, reporter);
    for (auto record = rows->begin() + 1; record != rows->end(); ++record) {
        Unit unit{record->number, file + " row " + std::to_string(record->number), {}, base};
        ok = readRow(header, record->fields, unit, reporter) && ok;
        // A row whose cells do not match the header holds nothing worth checking further.
        if (record->fields.size() == header.size()) {
            units.push_back(std::move(unit));
        }
    }
    return ok ? Status::Ok : Status::Failed;
}

} // namespace wl3
