#include "formats/text_encoding.h"

#include <algorithm>

namespace wl3 {

namespace {

void appendUtf8(std::string& out, unsigned char byte) {
    if (byte < 0x80) {
        out += static_cast<char>(byte);
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

bool isControl(unsigned char byte) {
    return byte < 0x20 || (byte >= 0x7F && byte < 0xA0);
}

void appendEscape(std::string& out, unsigned char byte) {
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    switch (byte) {
    case '\r':
        out += "\\r";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    }
}

} // namespace

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        appendUtf8(out, static_cast<unsigned char>(c));
    }
    return out;
}

namespace {

// The characters of utf8, and how many of its sequences were ill-formed.
std::u32string decode(std::string_view utf8, std::size_t& illFormed) {
    static constexpr char32_t kReplacement = 0xFFFD;
    std::u32string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = 0;
        char32_t codePoint = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
            minimum = 0x10000;
        } else {
            out += kReplacement;
            ++illFormed;
            ++i;
            continue;
        }
        int taken = 1;
        while (taken < length && i + taken < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + taken]) & 0xC0) == 0x80) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i + taken]) & 0x3F);
            ++taken;
        }
        const bool wellFormed = taken == length && codePoint >= minimum && codePoint <= 0x10FFFF &&
                                (codePoint < 0xD800 || codePoint > 0xDFFF);
        out += wellFormed ? codePoint : kReplacement;
        illFormed += wellFormed ? 0 : 1;
        i += taken;
    }
    return out;
}

} // namespace

std::u32string decodeUtf8(std::string_view utf8) {
    std::size_t illFormed = 0;
    return decode(utf8, illFormed);
}

bool isUtf8(std::string_view text) {
    std::size_t illFormed = 0;
    decode(text, illFormed);
    return illFormed == 0;
}

std::string printableText(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControl(byte)) {
            appendEscape(out, byte);
        } else {
            appendUtf8(out, byte);
        }
    }
    return out;
}

std::string withoutControls(std::string_view text) {
    std::string out(text);
    std::replace_if(
        out.begin(), out.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return out;
}

} // namespace wl3
