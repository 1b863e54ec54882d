#pragma once

#include "config/profile_fields.h"

#include <string>

namespace wl3::test {

// Gives every field of the table in profile p, and the shared calibration, a value unlike
// its default and unlike the other fields', as far as its kind allows, so that a field that
// travels to the wrong place, or nowhere, shows. Flags are turned over; texts are capitals,
// which the upper-case edits keep. shownOnly leaves the fields that the window does not
// show as they are.
inline void setEveryField(TrackerConfig& config, int p, bool shownOnly = false) {
    int serial = 100 * p;
    for (const ProfileField& field : kProfileFields) {
        ++serial;
        if (shownOnly && !field.isShown()) {
            continue;
        }
        visitValue(config, field, p,
                   Overloaded{
                       [&]<std::size_t N>(TextField<N>& text) {
                           // Appended rather than prefixed: GCC 12 warns of an overlap that
                           // cannot happen in "F" + std::to_string(...) (-Wrestrict).
                           std::string name = "F";
                           name += std::to_string(serial);
                           setText(text, name);
                       },
                       [&](char& character) { character = static_cast<char>('a' + serial % 26); },
                       [&](int& number) {
                           const int items = static_cast<int>(field.control.items.size());
                           number = field.isListIndex() ? 1 + serial % (items - 1) : 1000 + serial;
                       },
                       [&](bool& flag) { flag = !flag; },
                   });
    }
}

} // namespace wl3::test
