#include "cli/csv_table.h"

#include <csv.h>

namespace wl3 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Reading {
    std::vector<CsvRow> rows;
    CsvRow row;
};

extern "C" void addField(void* field, std::size_t size, void* data) {
    auto& reading = *static_cast<Reading*>(data);
    reading.row.emplace_back(static_cast<const char*>(field), size);
}

extern "C" void endRow(int /*terminator*/, void* data) {
    auto& reading = *static_cast<Reading*>(data);
    reading.rows.push_back(std::move(reading.row));
    reading.row.clear();
}

} // namespace

std::optional<std::vector<CsvRow>> parseCsv(std::string_view bytes, std::string& error) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        error = "out of memory";
        return std::nullopt;
    }
    Reading reading;
    const bool parsed = csv_parse(&parser, bytes.data(), bytes.size(), addField, endRow,
                                  &reading) == bytes.size() &&
                        csv_fini(&parser, addField, endRow, &reading) == 0;
    if (!parsed) {
        error = "not valid CSV after row " + std::to_string(reading.rows.size()) + ": " +
                csv_strerror(csv_error(&parser));
    }
    csv_free(&parser);
    if (!parsed) {
        return std::nullopt;
    }
    return std::move(reading.rows);
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
