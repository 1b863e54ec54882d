#pragma once

#include <string>
#include <string_view>

namespace wl3 {

// The record and the tracker hold bytes, read as Latin-1; files and terminals speak UTF-8.

std::string latin1ToUtf8(std::string_view latin1);

// The characters of utf8, each as a code point; an ill-formed sequence becomes U+FFFD.
std::u32string decodeUtf8(std::string_view utf8);

// Whether text is well-formed UTF-8 throughout.
bool isUtf8(std::string_view text);

// latin1 as UTF-8 for a terminal: control characters become visible escapes (\r, \n, \t, \xNN)
// so that a byte from the tracker can neither break a line nor drive the terminal.
std::string printableText(std::string_view latin1);

// A system's own text (a device name, a USB product) with its control characters shown as
// "?"; its other bytes, UTF-8 or not, pass as they are.
std::string withoutControls(std::string_view text);

} // namespace wl3
