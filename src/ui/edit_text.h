#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace wl3::ui {

// The record keeps texts as bytes read as Latin-1. A character that Latin-1 cannot hold
// becomes '?', one per character, so the text keeps its length as the user sees it.
std::string toLatin1Bytes(const QString& text);
QString fromLatin1Bytes(std::string_view bytes);

// What a number edit holds, as a decimal integer: leading white space skipped, one optional
// sign, then digits up to the first non-digit; the rest ignored. No digits gives 0, and a
// value beyond the 32-bit range gives the bound it passed.
int parseEditNumber(std::string_view text);

} // namespace wl3::ui
