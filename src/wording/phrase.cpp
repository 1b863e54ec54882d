#include "wording/phrase.h"

namespace wl3 {

Phrase verbatim(std::string text) {
    return Phrase{nullptr, std::move(text), {}};
}

std::string english(const Phrase& phrase) {
    if (phrase.context == nullptr) {
        return phrase.text;
    }
    return fillTemplate(std::string_view(phrase.text), phrase.args.size(),
                        [&phrase](std::size_t n) { return english(phrase.args[n]); });
}

std::string englishCaption(const Wording& wording) {
    return wording.caption ? english(*wording.caption) : std::string();
}

std::string englishText(const Wording& wording) {
    std::string text;
    for (std::size_t i = 0; i < wording.lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += english(wording.lines[i]);
    }
    return text;
}

} // namespace wl3
