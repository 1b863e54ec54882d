#pragma once

#include "config/config_image.h"

#include <array>
#include <cstdint>
#include <sstream>
#include <string_view>

// The records and images that the codec tests check against each other byte for byte, and
// that the codec benchmark times.
namespace wl3::test {

using Image = std::array<std::uint8_t, kImageSize>;

// Writes hexadecimal byte pairs separated by blanks into image from position at.
inline void putHex(Image& image, int at, std::string_view hex) {
    std::istringstream in{std::string(hex)};
    unsigned value = 0;
    while (in >> std::hex >> value) {
        image.at(static_cast<std::size_t>(at++)) = static_cast<std::uint8_t>(value);
    }
}

inline void putText(Image& image, int at, std::string_view text) {
    for (char c : text) {
        image.at(static_cast<std::size_t>(at++)) = static_cast<std::uint8_t>(c);
    }
}

// The image of a freshly constructed record.
inline Image defaultImage() {
    Image image{};
    putHex(image, 0,
           "26 26 80 80 2D 2D 13 13 78 78 00 00 1E 1E 00 00 C0 C0 00 00 03 03 37 37 26 37 00 00 "
           "00 00 3E 3E 2F 2F 14 14 03 03");
    putHex(image, 38, "9C 9E 86 82 98 98 60 AE 92 88 8A 64 40 65 03 F0 00");
    putText(image, 55, "Wrenlink3");
    return image;
}

// Primary N0CALL-9 via WIDE1-1,WIDE2-1 with SmartBeaconing; Secondary N0CALL-7 via
// WIDE2-2, time-slotted every 60 s at offset 15; different status texts.
inline TrackerConfig secondExampleRecord() {
    TrackerConfig config;
    setText(config.callsign[kPrimary], "N0CALL-9");
    setText(config.digiPath[kPrimary], "WIDE1-1,WIDE2-1");
    setText(config.statusText[kPrimary], "Primary text");
    config.smartBeaconing[kPrimary] = true;
    setText(config.callsign[kSecondary], "N0CALL-7");
    setText(config.digiPath[kSecondary], "WIDE2-2");
    setText(config.statusText[kSecondary], "Second");
    config.timeSlotting[kSecondary] = true;
    config.autoRateSec[kSecondary] = 60;
    config.slotOffsetSec[kSecondary] = 15;
    return config;
}

inline Image secondExampleImage() {
    Image image{};
    putHex(image, 0,
           "30 4A 80 80 2D 2D 13 13 78 3C 00 00 1E 1E 00 00 E0 DC 00 00 03 03 5B 68 26 48 00 00 "
           "00 00 3E 3E 2F 2F 14 14 03 03");
    putHex(image, 38, "05 41 08 07 5A 00 1B FF 00 05");
    putHex(image, 48, "9C 60 86 82 98 98 72 AE 92 88 8A 62 40 62 AE 92 88 8A 64 40 63 03 F0 00");
    putHex(image, 72, "2E 00");
    putHex(image, 74, "9C 60 86 82 98 98 6E AE 92 88 8A 64 40 65 03 F0 00");
    putText(image, 91, "Primary text");
    putText(image, 104, "Second");
    return image;
}

} // namespace wl3::test
