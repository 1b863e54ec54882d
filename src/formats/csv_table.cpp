#include "formats/csv_table.h"

#include <csv.h>

namespace wl3 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Reading {
    std::vector<CsvRecord> records;
    CsvRow row;
    int number = 1;         // of the row being read
    bool lastWasCr = false; // the row before ended with a carriage return
};

extern "C" void addField(void* field, std::size_t size, void* data) {
    auto& reading = *static_cast<Reading*>(data);
    reading.row.emplace_back(static_cast<const char*>(field), size);
}

// Called for each row's end and, as the parser is asked to, for each line break outside
// one: a blank line, or the line feed after a carriage return, which ends no second row.
extern "C" void endRow(int terminator, void* data) {
    auto& reading = *static_cast<Reading*>(data);
    const bool blank = reading.row.empty();
    if (!blank) {
        reading.records.push_back({reading.number, std::move(reading.row)});
        reading.row.clear();
    }
    if (!(blank && terminator == '\n' && reading.lastWasCr)) {
        ++reading.number;
    }
    reading.lastWasCr = terminator == '\r';
}

} // namespace

std::optional<std::vector<CsvRecord>> parseCsv(std::string_view bytes, FileReason& refusal) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) {
        refusal = {FileProblem::NoMemory};
        return std::nullopt;
    }
    Reading reading;
    const bool parsed = csv_parse(&parser, bytes.data(), bytes.size(), addField, endRow,
                                  &reading) == bytes.size() &&
                        csv_fini(&parser, addField, endRow, &reading) == 0;
    if (!parsed) {
        refusal = {.problem = FileProblem::NotCsv,
                   .count = static_cast<std::uint64_t>(reading.number),
                   .detail = csv_strerror(csv_error(&parser))};
    }
    csv_free(&parser);
    if (!parsed) {
        return std::nullopt;
    }
    return std::move(reading.records);
}

std::string csvLine(const CsvRow& fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty()) {
            line += ',';
        }
        const std::size_t start = line.size();
        line.resize(start + csv_write(nullptr, 0, field.data(), field.size()));
        csv_write(line.data() + start, line.size() - start, field.data(), field.size());
    }
    return line + '\n';
}

} // namespace wl3
