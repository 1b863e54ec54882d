#include "formats/exact_json.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace wl3 {

namespace {

using Json = nlohmann::ordered_json;

// Whole numbers of more digits are far outside every field's range; they stay floats.
constexpr std::size_t kMaxWholeDigits = 18;

// The integer a JSON number's text stands for, if it stands for one that fits.
std::optional<std::int64_t> wholeNumberOf(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) {
        text.remove_prefix(1);
    }
    const std::size_t exponentAt = text.find_first_of("eE");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = text.substr(exponentAt + 1);
        if (digits.starts_with('+')) {
            digits.remove_prefix(1);
        }
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec !=
            std::errc()) {
            // Beyond any range: a huge number, or a tiny one unless its digits are all zero.
            exponent = digits.starts_with('-') ? -1'000'000 : 1'000'000;
        }
        text = text.substr(0, exponentAt);
    }
    // The significant digits, and where the decimal point falls among them.
    const std::size_t pointAt = std::min(text.find('.'), text.size());
    std::string digits(text.substr(0, pointAt));
    if (pointAt < text.size()) {
        digits += text.substr(pointAt + 1);
    }
    long long point = static_cast<long long>(pointAt) + exponent;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return 0;
    }
    point -= static_cast<long long>(firstNonZero);
    digits.erase(0, firstNonZero);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (point < static_cast<long long>(digits.size()) ||
        point > static_cast<long long>(kMaxWholeDigits)) {
        return std::nullopt;
    }
    digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
    std::int64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return negative ? -value : value;
}

} // namespace

Json exactNumber(double value, const std::string& text) {
    if (const auto whole = wholeNumberOf(text)) {
        return *whole;
    }
    return value;
}

} // namespace wl3
