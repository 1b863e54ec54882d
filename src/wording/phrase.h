#pragma once

#include "config/translatable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wl3 {

// A text to show: a translatable template whose %1 to %9 take the arguments, each a
// phrase itself, or a verbatim text (a path, a tracker's reply) that no one translates.
// Verbatim texts and the English templates are bytes read as Latin-1, as a tracker's reply
// may hold any byte.
struct Phrase {
    const char* context = nullptr; // none for a verbatim text
    std::string text;
    std::vector<Phrase> args;
};

Phrase verbatim(std::string text);

// Fills a template's %1 to %9 in one pass, so that an argument holding "%1" stays as it is:
// the English here, a translation in the window. fill(n) gives argument n's text, from 0.
template <typename Char, typename Fill>
std::basic_string<Char> fillTemplate(std::basic_string_view<Char> pattern, std::size_t argCount,
                                     const Fill& fill) {
    std::basic_string<Char> result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == Char('%') && i + 1 < pattern.size()) {
            const auto n = static_cast<std::size_t>(pattern[i + 1]) - '1';
            if (n < argCount && n < 9) {
                result += fill(n);
                ++i;
                continue;
            }
        }
        result += pattern[i];
    }
    return result;
}

// The phrase in English, its arguments filled in.
std::string english(const Phrase& phrase);

// What a report shows: under a caption, or with none (an error box under the platform's
// default title), its lines one below the other.
struct Wording {
    std::optional<Phrase> caption;
    std::vector<Phrase> lines;
};

std::string englishCaption(const Wording& wording);
// The lines joined by line breaks.
std::string englishText(const Wording& wording);

} // namespace wl3
