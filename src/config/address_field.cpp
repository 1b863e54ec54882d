#include "config/address_field.h"

#include <algorithm>

namespace wl3 {
namespace {

bool isLetterOrDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isSkipped(unsigned char c) {
    return (c >= 0x01 && c <= 0x20) || c >= 0x80;
}

bool isWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A decimal number as the C library reads one: leading white space, an optional sign,
// then digits; 0 when there are none. Values beyond the SSID range are only kept out of
// range, never overflowed.
int readSsid(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kMaxSsid + 1);
    }
    if (negative) {
        value = -value;
    }
    return value >= 0 && value <= kMaxSsid ? value : 0;
}

} // namespace

AddressText parseAddressText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    AddressText result{};
    result.characters.fill(' ');
    int kept = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isLetterOrDigit(c)) {
            if (kept < kAddressCharacters) {
                result.characters[kept++] = static_cast<char>(c >= 'a' ? c - ('a' - 'A') : c);
            }
        } else if (!isSkipped(c)) {
            break;
        }
    }
    result.ssid = i < text.size() && text[i] == '-' ? readSsid(text.substr(i + 1)) : 0;
    return result;
}

std::string normalizeAddressText(std::string_view text) {
    const AddressText address = parseAddressText(text);
    std::string result(address.characters.begin(), address.characters.end());
    result.erase(result.find_last_not_of(' ') + 1);
    if (address.ssid != 0) {
        result += '-';
        result += std::to_string(address.ssid);
    }
    return result;
}

AddressField encodeAddressField(std::string_view text) {
    const AddressText address = parseAddressText(text);
    AddressField field{};
    for (int i = 0; i < kAddressCharacters; ++i) {
        field[i] = static_cast<std::uint8_t>(address.characters[i] << 1);
    }
    field[kAddressCharacters] = static_cast<std::uint8_t>((address.ssid | 0x30) << 1);
    return field;
}

std::string decodeAddressField(std::span<const std::uint8_t, kAddressFieldSize> field) {
    std::string text;
    for (int i = 0; i < kAddressCharacters; ++i) {
        text += static_cast<char>(field[i] >> 1);
    }
    text += '-';
    // Clearing the two always-set bits leaves the SSID; a damaged byte with its top bit set
    // gives a number above 15, which the normalising below turns into SSID 0.
    text += std::to_string((field[kAddressCharacters] >> 1) & 0xCF);
    return normalizeAddressText(text);
}

std::vector<std::string_view> splitPath(std::string_view path) {
    std::vector<std::string_view> elements;
    std::size_t position = 0;
    while (position < path.size()) {
        const std::size_t comma = std::min(path.find(',', position), path.size());
        elements.push_back(path.substr(position, comma - position));
        position = comma + 1;
    }
    return elements;
}

void appendPathElement(std::string& path, std::string_view element) {
    if (!path.empty()) {
        path += ',';
    }
    path += element;
}

} // namespace wl3
