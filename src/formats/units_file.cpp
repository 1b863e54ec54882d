#include "formats/units_file.h"

#include "files/whole_file.h"
#include "formats/config_json.h"
#include "formats/csv_table.h"
#include "formats/text_encoding.h"
#include "link/port_choice.h"

#include <algorithm>

namespace wl3 {

namespace {

// A table of a few hundred trackers is a few dozen kilobytes.
constexpr std::size_t kUnitsFileLimit = std::size_t{4} * 1024 * 1024;

// A spreadsheet saves as UTF-16 ("Unicode text") or in the system's old code page
// ("ANSI") as readily as in UTF-8: named, such a file is saved again in a moment.
std::optional<FileProblem> otherEncoding(std::string_view bytes) {
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
                       bytes.find('\0') != std::string_view::npos;
    if (utf16) {
        return FileProblem::Utf16;
    }
    return isUtf8(bytes) ? std::nullopt : std::optional(FileProblem::NotUtf8);
}

// Where the faults of a file's rows go.
class RowFaults {
public:
    RowFaults(const std::filesystem::path& path, Reporter& reporter)
        : file_(path.string()), reporter_(reporter) {}

    void report(UnitsRowFault::Kind kind, int row, UnitsRowFault fault = {}) {
        fault.kind = kind;
        fault.file = file_;
        fault.row = row;
        reporter_.report(fault);
    }

private:
    std::string file_;
    Reporter& reporter_;
};

// The header's keys, checked: one port column, known keys, none twice.
bool checkHeader(const CsvRecord& header, RowFaults& faults) {
    using Kind = UnitsRowFault::Kind;
    bool ok = true;
    const CsvRow& keys = header.fields;
    for (auto key = keys.begin(); key != keys.end(); ++key) {
        int profile = kPrimary;
        if (std::find(keys.begin(), key, *key) != key) {
            faults.report(Kind::KeyTwice, header.number, {.key = *key});
            ok = false;
        } else if (*key != kPortColumn && findConfigKey(*key, profile) == nullptr) {
            faults.report(Kind::UnknownKey, header.number, {.key = *key});
            ok = false;
        }
    }
    return ok;
}

// The row's unit, with every value of the row that the unit can take; false after
// reporting each fault of the row.
bool readRow(const CsvRow& header, const CsvRow& cells, Unit& unit, RowFaults& faults) {
    using Kind = UnitsRowFault::Kind;
    if (cells.size() != header.size()) {
        faults.report(Kind::CellCount, unit.row,
                      {.cells = cells.size(), .headerCells = header.size()});
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        int profile = kPrimary;
        if (header[i] == kPortColumn) {
            unit.port = cells[i];
            if (!parsePortChoice(cells[i])) {
                faults.report(Kind::BadPort, unit.row, {.key = cells[i]});
                ok = false;
            }
        } else if (JsonProblem problem;
                   !cells[i].empty() && findConfigKey(header[i], profile) != nullptr &&
                   !setConfigValueFromText(header[i], cells[i], unit.config, problem)) {
            faults.report(Kind::BadValue, unit.row, {.value = problem});
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
    if (const auto encoding = otherEncoding(bytes)) {
        reporter.report(FileFailed{FileAction::Load, FileStep::Read, path.string(), {*encoding}});
        return Status::Failed;
    }
    FileReason refusal{FileProblem::NoUnits};
    const auto rows = parseCsv(bytes, refusal);
    if (!rows || rows->size() < 2) {
        reporter.report(FileFailed{FileAction::Load, FileStep::Read, path.string(), refusal});
        return Status::Failed;
    }
    RowFaults faults(path, reporter);
    const CsvRow& header = rows->front().fields;
    if (std::ranges::find(header, kPortColumn) == header.end()) {
        // A spreadsheet set to a language that writes decimal commas separates by semicolons.
        const bool semicolons = header.size() == 1 && header.front().find(';') != std::string::npos;
        faults.report(semicolons ? UnitsRowFault::Kind::Semicolons
                                 : UnitsRowFault::Kind::NoPortColumn,
                      rows->front().number, {.key = std::string(kPortColumn)});
        return Status::Failed;
    }
    bool ok = checkHeader(rows->front(), faults);
    for (auto record = rows->begin() + 1; record != rows->end(); ++record) {
        Unit unit{record->number, {}, base};
        ok = readRow(header, record->fields, unit, faults) && ok;
        // A row whose cells do not match the header holds nothing worth checking further.
        if (record->fields.size() == header.size()) {
            units.push_back(std::move(unit));
        }
    }
    return ok ? Status::Ok : Status::Failed;
}

} // namespace wl3
