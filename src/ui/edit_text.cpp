#include "ui/edit_text.h"

#include <QList>
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace wl3::ui {

std::string toLatin1Bytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    std::ranges::transform(text.toUcs4(), std::back_inserter(bytes), [](uint character) {
        return character <= 0xFF ? static_cast<char>(character) : '?';
    });
    return bytes;
}

QString fromLatin1Bytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int parseEditNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    const std::int64_t limit = negative ? kMax + 1 : kMax;
    std::int64_t magnitude = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        magnitude = std::min(magnitude * 10 + (text[pos] - '0'), limit);
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace wl3::ui
