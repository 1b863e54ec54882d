#pragma once

#include "config/profile_fields.h"
#include "config/tracker_config.h"

#include <ostream>

namespace wl3 {

// Field by field, so that a failed comparison of two records says which fields differ.
inline void PrintTo(const TrackerConfig& config, std::ostream* out) {
    *out << '{';
    for (const ProfileField& field : kProfileFields) {
        const auto print = Overloaded{
            [out]<std::size_t N>(const TextField<N>& text) { *out << '"' << textOf(text) << '"'; },
            [out](const auto& value) { *out << +value; },
        };
        *out << (&field == kProfileFields.data() ? "" : " ") << field.key << '=';
        if (field.isShared()) {
            visitValue(config, field, kPrimary, print);
            continue;
        }
        *out << '[';
        visitValue(config, field, kPrimary, print);
        *out << ", ";
        visitValue(config, field, kSecondary, print);
        *out << ']';
    }
    *out << '}';
}

} // namespace wl3
