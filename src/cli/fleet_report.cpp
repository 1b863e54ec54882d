#include "cli/fleet_report.h"

#include "files/text_file.h"
#include "formats/csv_table.h"
#include "formats/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace wl3 {

namespace {

using ReportRow = std::vector<std::string>;

// The seconds and the advice; the port, the callsign and the result come before them.
constexpr std::size_t kFirstNumberColumn = 3;

// The advice column comes last, and only where the command had records, so that a
// spreadsheet's columns stay where they were.
std::vector<ReportRow> reportRows(const std::vector<std::string>& ports,
                                  const std::vector<UnitOutcome>& outcomes) {
    const bool advised = std::ranges::any_of(
        outcomes, [](const UnitOutcome& outcome) { return outcome.advice.has_value(); });
    std::vector<ReportRow> rows{{"Port", "Callsign", "Result", "Seconds"}};
    if (advised) {
        rows.front().emplace_back("Advice");
    }
    for (std::size_t unit = 0; unit < outcomes.size(); ++unit) {
        const UnitOutcome& outcome = outcomes[unit];
        std::array<char, 32> seconds{};
        (void)std::snprintf(seconds.data(), seconds.size(), "%.1f", outcome.seconds);
        ReportRow row{withoutControls(ports[unit]), printableText(outcome.callsign), outcome.result,
                      seconds.data()};
        if (advised) {
            row.push_back(outcome.advice ? std::to_string(*outcome.advice) : std::string());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

std::string fleetTable(const std::vector<std::string>& ports,
                       const std::vector<UnitOutcome>& outcomes) {
    const std::vector<ReportRow> rows = reportRows(ports, outcomes);
    const std::size_t columns = rows.front().size();
    std::vector<std::size_t> widths(columns, 0);
    for (const ReportRow& row : rows) {
        for (std::size_t column = 0; column < columns; ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    std::string table;
    for (const ReportRow& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < columns; ++column) {
            const std::size_t padding = widths[column] - row[column].size();
            if (column > 0) {
                line += "  ";
            }
            // The numbers right-aligned, so that the seconds' points line up.
            if (column >= kFirstNumberColumn) {
                line.append(padding, ' ');
                line += row[column];
            } else {
                line += row[column];
                line.append(column + 1 < columns ? padding : 0, ' ');
            }
        }
        table += line + '\n';
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
