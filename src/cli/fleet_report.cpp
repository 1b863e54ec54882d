#include "cli/fleet_report.h"

#include "files/text_file.h"
#include "formats/csv_table.h"
#include "formats/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace wl3 {

namespace {

constexpr std::size_t kColumns = 4;
using ReportRow = std::array<std::string, kColumns>;

std::vector<ReportRow> reportRows(const std::vector<std::string>& ports,
                                  const std::vector<UnitOutcome>& outcomes) {
    std::vector<ReportRow> rows{{"Port", "Callsign", "Result", "Seconds"}};
    for (std::size_t unit = 0; unit < outcomes.size(); ++unit) {
        std::array<char, 32> seconds{};
        (void)std::snprintf(seconds.data(), seconds.size(), "%.1f", outcomes[unit].seconds);
        rows.push_back({withoutControls(ports[unit]), printableText(outcomes[unit].callsign),
                        outcomes[unit].result, seconds.data()});
    }
    return rows;
}

} // namespace

std::string fleetTable(const std::vector<std::string>& ports,
                       const std::vector<UnitOutcome>& outcomes) {
    const std::vector<ReportRow> rows = reportRows(ports, outcomes);
    std::array<std::size_t, kColumns> widths{};
    for (const ReportRow& row : rows) {
        for (std::size_t column = 0; column < kColumns; ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    std::string table;
    for (const ReportRow& row : rows) {
        std::string line;
        for (std::size_t column = 0; column + 1 < kColumns; ++column) {
            line += row[column];
            line.append(widths[column] - row[column].size() + 2, ' ');
        }
        // The seconds right-aligned, so that their points line up.
        line.append(widths.back() - row.back().size(), ' ');
        table += line + row.back() + '\n';
    }
    return table;
}

Status saveFleetReport(const std::filesystem::path& path, const std::vector<std::string>& ports,
                       const std::vector<UnitOutcome>& outcomes, Reporter& reporter) {
    std::string csv;
    for (const ReportRow& row : reportRows(ports, outcomes)) {
        csv += csvLine({row.begin(), row.end()});
    }
    return writeTextFile(path, csv, reporter);
}

} // namespace wl3
