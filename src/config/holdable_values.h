#pragma once

#include "config/profile_fields.h"
#include "config/tracker_config.h"
#include "outcomes/value_problem.h"

#include <optional>
#include <string>
#include <vector>

namespace wl3 {

// Every value of both profiles, and the calibration, that the image cannot hold as given,
// in the order of the table of profile fields. A field of an optional block counts only
// while its block is on: otherwise the image holds none of it. held, when given, is the
// record decoded from the image that config will be written onto: a value it already holds
// (a symbol byte that is no printable character, say) is kept as that image holds it, and
// is not refused.
std::vector<UnholdableValue> findUnholdableValues(const TrackerConfig& config,
                                                  const TrackerConfig* held = nullptr);

// What the tracker holds of field, in words, when the text typed for it in profile p
// cannot become its value as typed: a number that is empty or holds anything but digits, a
// character that is not exactly one, a text longer than the record keeps or with a
// character beyond Latin-1. Nothing when it can; the value is then for
// findUnholdableValues to judge.
std::optional<Allowed> refusedEntry(const TrackerConfig& config, const ProfileField& field, int p,
                                    std::u32string_view typed);

} // namespace wl3
