#include "config/holdable_values.h"

#include "config/address_field.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <type_traits>

namespace wl3 {

namespace {

// At most six letters or digits, then either nothing or a hyphen and an SSID of 0 to 15
// in decimal. Blanks around it are dropped by the encoder and change nothing.
bool isHoldableAddress(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return true;
    }
    text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    const std::string_view characters = text.substr(0, text.find('-'));
    const bool lettersAndDigits =
        characters.size() <= static_cast<std::size_t>(kAddressCharacters) &&
        characters.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                     "abcdefghijklmnopqrstuvwxyz") == std::string_view::npos;
    if (!lettersAndDigits || characters.size() == text.size()) {
        return lettersAndDigits;
    }
    // At most two digits, so that "-05" passes and no long number can overflow.
    const std::string_view ssid = text.substr(characters.size() + 1);
    int value = kMaxSsid + 1;
    const bool digits = !ssid.empty() && ssid.size() <= 2 &&
                        ssid.find_first_not_of("0123456789") == std::string_view::npos;
    std::from_chars(ssid.data(), ssid.data() + ssid.size(), value);
    return digits && value <= kMaxSsid;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A blank first element would come back from the tracker as no element at all; a blank one
// further on comes back as it went.
bool isHoldablePath(std::string_view path) {
    const auto elements = splitPath(path);
    const bool blankFirst = !isBlank(path) && !elements.empty() && isBlank(elements.front());
    return !blankFirst && std::ranges::all_of(elements, isHoldableAddress);
}

bool isHoldableCharacter(char c) {
    return c >= '!' && c <= '~';
}

// What the image allows for the field in profile p when value is not that, else nothing.
std::optional<Allowed> refusedNumber(const TrackerConfig& config, const ProfileField& field, int p,
                                     int value) {
    const Holdable& holdable = field.holdable;
    if (holdable.kind == Holdable::Kind::Number &&
        (value < holdable.low || value > holdable.high)) {
        return Allowed{Allowed::Kind::Range, holdable.low, holdable.high};
    }
    if (holdable.kind == Holdable::Kind::SlotOffset) {
        // The rate's own range is checked on its own; a rate out of it bounds nothing.
        const int rate = config.autoRateSec[p];
        if (rate < kHoldsTwoBytes.low || rate > kHoldsTwoBytes.high ||
            (value >= 0 && value <= rate + 1)) {
            return std::nullopt;
        }
        return Allowed{Allowed::Kind::SlotOffset, 0, rate + 1};
    }
    return std::nullopt;
}

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

// Whether the field holds the same value in a's profile p as in b's.
bool sameValue(const TrackerConfig& a, const TrackerConfig& b, const ProfileField& field, int p) {
    return visitValue(a, field, p, [&](const auto& value) {
        return visitValue(b, field, p, [&](const auto& other) {
            if constexpr (std::is_same_v<decltype(value), decltype(other)>) {
                return value == other;
            } else {
                return false;
            }
        });
    });
}

std::optional<UnholdableValue> checked(const TrackerConfig& config, const TrackerConfig* held,
                                       const ProfileField& field, int p) {
    using Kind = Holdable::Kind;
    // What the base already holds is not the user's to answer for, and its bytes are kept.
    if (held != nullptr && sameValue(config, *held, field, p)) {
        return std::nullopt;
    }
    return visitValue(
        config, field, p,
        Overloaded{
            [&]<std::size_t N>(const TextField<N>& text) -> std::optional<UnholdableValue> {
                const std::string_view given = textOf(text);
                const Kind kind = field.holdable.kind;
                if ((kind == Kind::Address && !isHoldableAddress(given)) ||
                    (kind == Kind::AddressList && !isHoldablePath(given))) {
                    return UnholdableValue{&field,
                                           p,
                                           quoted(given),
                                           {kind == Kind::Address ? Allowed::Kind::Address
                                                                  : Allowed::Kind::AddressList}};
                }
                return std::nullopt;
            },
            [&](const int& value) -> std::optional<UnholdableValue> {
                if (auto allowed = refusedNumber(config, field, p, value)) {
                    return UnholdableValue{&field, p, std::to_string(value), *allowed};
                }
                return std::nullopt;
            },
            [&](const char& value) -> std::optional<UnholdableValue> {
                if (field.holdable.kind != Kind::Character || isHoldableCharacter(value)) {
                    return std::nullopt;
                }
                return UnholdableValue{
                    &field,
                    p,
                    quoted(value == '\0' ? std::string_view() : std::string_view(&value, 1)),
                    {Allowed::Kind::Character}};
            },
            [](const auto&) -> std::optional<UnholdableValue> { return std::nullopt; },
        });
}

} // namespace

std::vector<UnholdableValue> findUnholdableValues(const TrackerConfig& config,
                                                  const TrackerConfig* held) {
    std::vector<UnholdableValue> found;
    for (const ProfileField& field : kProfileFields) {
        const int profiles = field.isShared() ? 1 : kProfileCount;
        for (int p = 0; p < profiles; ++p) {
            const FlagMember block = field.holdable.block;
            if (block != nullptr && !(config.*block)[p]) {
                continue;
            }
            if (auto value = checked(config, held, field, p)) {
                found.push_back(std::move(*value));
            }
        }
    }
    return found;
}

namespace {

bool beyondLatin1(std::u32string_view typed) {
    return std::ranges::any_of(typed, [](char32_t c) { return c == 0 || c > 0xFF; });
}

std::optional<Allowed> refusedText(std::u32string_view typed, std::size_t limit) {
    if (typed.size() > limit) {
        return Allowed{Allowed::Kind::TextLength, 0, static_cast<int>(limit)};
    }
    if (beyondLatin1(typed)) {
        return Allowed{Allowed::Kind::Latin1};
    }
    return std::nullopt;
}

} // namespace

std::optional<Allowed> refusedEntry(const TrackerConfig& config, const ProfileField& field, int p,
                                    std::u32string_view typed) {
    return visitValue(
        config, field, p,
        Overloaded{
            [&]<std::size_t N>(const TextField<N>& text) {
                return refusedText(typed, text.size() - 1);
            },
            [&](const char&) -> std::optional<Allowed> {
                if (typed.size() != 1 || beyondLatin1(typed)) {
                    return Allowed{Allowed::Kind::Character};
                }
                return std::nullopt;
            },
            [&](const int&) -> std::optional<Allowed> {
                const bool digits = !typed.empty() && std::ranges::all_of(typed, [](char32_t c) {
                    return c >= U'0' && c <= U'9';
                });
                if (digits || field.isListIndex()) {
                    return std::nullopt;
                }
                if (field.holdable.kind == Holdable::Kind::SlotOffset) {
                    return Allowed{Allowed::Kind::SlotOffsetAny};
                }
                return Allowed{Allowed::Kind::Range, field.holdable.low, field.holdable.high};
            },
            [](const auto&) -> std::optional<Allowed> { return std::nullopt; },
        });
}

} // namespace wl3
