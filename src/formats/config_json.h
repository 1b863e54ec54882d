#pragma once

#include "config/profile_fields.h"
#include "config/tracker_config.h"
#include "outcomes/value_problem.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace wl3 {

// The JSON form of a configuration: {"calibration": n, "primary": {...}, "secondary": {...}},
// each profile holding every per-profile field of the record under its record name, in
// declaration order. Texts are the record's bytes read as Latin-1.
nlohmann::ordered_json configToJson(const TrackerConfig& config);

// The key of a field in profile p as messages name it: "primary.callsign", or
// "calibration" for the field that both profiles share.
std::string configKeyPath(const ProfileField& field, int p);

// The field that a key path names, as configKeyPath writes it, with its profile in
// profile; nothing for a key that names no field.
const ProfileField* findConfigKey(std::string_view keyPath, int& profile);

// Sets the field that keyPath names from text as a table's cell holds it: a text field
// takes the text as it stands (UTF-8), a number or a flag is read as JSON writes one (12,
// true). On any fault config is left untouched and problem names the key and why.
bool setConfigValueFromText(std::string_view keyPath, std::string_view text, TrackerConfig& config,
                            JsonProblem& problem);

// configToJson as a document: two-space indented, with a final line break.
std::string configToJsonText(const TrackerConfig& config);

// Reads the JSON form into config, starting from config's own values: a key that is left
// out keeps them. On any fault config is left untouched and problem names the key and why.
bool configFromJsonText(std::string_view text, TrackerConfig& config, JsonProblem& problem);

} // namespace wl3
