#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wl3 {

inline constexpr int kAddressCharacters = 6;
inline constexpr int kAddressFieldSize = 7;
inline constexpr int kMaxSsid = 15;

// Set in the SSID byte of the last field of an address block.
inline constexpr std::uint8_t kEndMark = 0x01;

// Six callsign characters shifted left by one bit, then the SSID byte.
using AddressField = std::array<std::uint8_t, kAddressFieldSize>;

struct AddressText {
    std::array<char, kAddressCharacters> characters; // upper case, padded with spaces
    int ssid;                                        // 0 to 15
};

// Keeps the first six letters and digits (upper-cased), skips blanks, control and
// high bytes, and stops at any other character; a hyphen there introduces the SSID.
// The text also ends at a NUL.
AddressText parseAddressText(std::string_view text);

// The bare callsign, or the callsign, "-" and the SSID when it is not 0. At most nine
// characters.
std::string normalizeAddressText(std::string_view text);

// The field of one callsign or path element, without the end mark.
AddressField encodeAddressField(std::string_view text);

// The normalised text of one field; an SSID byte with unusual high bits reads as SSID 0.
std::string decodeAddressField(std::span<const std::uint8_t, kAddressFieldSize> field);

// The elements of a comma-separated path, each running up to its comma. An empty path
// has none, an empty place between commas is a (blank) element, a single trailing comma
// adds nothing.
std::vector<std::string_view> splitPath(std::string_view path);

// Appends a decoded element to a path text, after a comma unless the path is still empty.
void appendPathElement(std::string& path, std::string_view element);

} // namespace wl3
