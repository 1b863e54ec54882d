#include "cli/config_diff.h"

#include "formats/config_json.h"
#include "formats/text_encoding.h"
#include "wording/wording.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <vector>

namespace wl3 {

namespace {

constexpr std::string_view kGap = "  ";
constexpr std::string_view kArrow = " \u2192 ";

std::size_t columnsOf(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void padTo(std::string& text, std::size_t columns) {
    text.append(columns - std::min(columns, columnsOf(text)), ' ');
}

// A field's value in config, as a terminal shows it.
std::string shownValue(const TrackerConfig& config, const FieldDifference& difference) {
    return printableText(english(fieldValueWording(config, difference)));
}

// The JSON form's value of a field.
const nlohmann::ordered_json& jsonValue(const nlohmann::ordered_json& config,
                                        const FieldDifference& difference) {
    if (difference.field->isShared()) {
        return config.at(std::string(difference.field->key));
    }
    return config.at(difference.profile == kPrimary ? "primary" : "secondary")
        .at(std::string(difference.field->key));
}

} // namespace

std::string fieldLabel(const FieldDifference& difference) {
    std::string label = printableText(english(fieldNameWording(difference)));
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) {
        label.pop_back();
    }
    return label;
}

// Columns: the profile, the label, the values; a shared field's label starts in the
// profile's column, its values aligned with the others'.
std::string formatDifferences(const ConfigComparison& comparison) {
    if (comparison.sameRecord()) {
        return comparison.storedBytesDiffering == 0
                   ? std::string()
                   : english(sameRecordWording(comparison.storedBytesDiffering)) + '\n';
    }
    struct Line {
        std::string profile;
        std::string label;
        std::string values;
    };
    std::vector<Line> lines;
    std::size_t profileWidth = 0;
    std::size_t labelWidth = 0;
    for (const FieldDifference& difference : comparison.differences) {
        Line line{difference.field->isShared()
                      ? std::string()
                      : std::string(kProfileTabTexts[static_cast<std::size_t>(difference.profile)]),
                  fieldLabel(difference),
                  shownValue(comparison.first, difference) + std::string(kArrow) +
                      shownValue(comparison.second, difference)};
        if (!line.profile.empty()) {
            profileWidth = std::max(profileWidth, columnsOf(line.profile));
            labelWidth = std::max(labelWidth, columnsOf(line.label));
        }
        lines.push_back(std::move(line));
    }
    const std::size_t valuesAt = profileWidth + kGap.size() + labelWidth + kGap.size();
    std::string out;
    for (const Line& line : lines) {
        std::string text;
        if (!line.profile.empty()) {
            text = line.profile;
            padTo(text, profileWidth + kGap.size());
        }
        text += line.label;
        padTo(text, std::max(valuesAt, columnsOf(text) + kGap.size()));
        out += text + line.values + '\n';
    }
    return out;
}

std::string differencesToJsonText(const ConfigComparison& comparison) {
    const nlohmann::ordered_json first = configToJson(comparison.first);
    const nlohmann::ordered_json second = configToJson(comparison.second);
    nlohmann::ordered_json differences = nlohmann::ordered_json::object();
    for (const FieldDifference& difference : comparison.differences) {
        differences[configKeyPath(*difference.field, difference.profile)] = {
            {"label", fieldLabel(difference)},
            {"first", jsonValue(first, difference)},
            {"second", jsonValue(second, difference)},
        };
    }
    const nlohmann::ordered_json document = {
        {"same", comparison.sameRecord()},
        {"storedBytesDiffering", comparison.storedBytesDiffering},
        {"differences", differences},
    };
    return document.dump(2) + '\n';
}

} // namespace wl3
