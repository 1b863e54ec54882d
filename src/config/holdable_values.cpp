#include "config/holdable_values.h"

#include "config/address_field.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace wl3 {

namespace {

constexpr std::string_view kAddressRule =
    "up to six letters or digits, optionally followed by -0 to -15 for the SSID";

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

bool isHoldablePath(std::string_view path) {
    return std::ranges::all_of(splitPath(path), isHoldableAddress);
}

std::string withUnit(std::string text, const ProfileField& field) {
    if (!field.control.unit.text.empty()) {
        text += ' ';
        text += field.control.unit.text;
    }
    return text;
}

std::string numberRange(const ProfileField& field, int low, int high) {
    return withUnit(std::to_string(low) + " to " + std::to_string(high), field);
}

// What the image allows for the field in profile p when value is not that, else nothing.
std::optional<std::string> refusedNumber(const TrackerConfig& config, const ProfileField& field,
                                         int p, int value) {
    const Holdable& holdable = field.holdable;
    if (holdable.kind == Holdable::Kind::Number &&
        (value < holdable.low || value > holdable.high)) {
        return numberRange(field, holdable.low, holdable.high);
    }
    if (holdable.kind == Holdable::Kind::SlotOffset) {
        // The rate's own range is checked on its own; a rate out of it bounds nothing.
        const int rate = config.autoRateSec[p];
        if (rate < kHoldsTwoBytes.low || rate > kHoldsTwoBytes.high ||
            (value >= 0 && value <= rate + 1)) {
            return std::nullopt;
        }
        return numberRange(field, 0, rate + 1) + ", the auto transmit rate plus one";
    }
    return std::nullopt;
}

std::optional<UnholdableValue> checked(const TrackerConfig& config, const ProfileField& field,
                                       int p) {
    using Kind = Holdable::Kind;
    return visitValue(
        config, field, p,
        Overloaded{
            [&]<std::size_t N>(const TextField<N>& text) -> std::optional<UnholdableValue> {
                const std::string_view given = textOf(text);
                const Kind kind = field.holdable.kind;
                if ((kind == Kind::Address && !isHoldableAddress(given)) ||
                    (kind == Kind::AddressList && !isHoldablePath(given))) {
                    return UnholdableValue{&field, p, '"' + std::string(given) + '"',
                                           kind == Kind::Address
                                               ? std::string(kAddressRule)
                                               : "addresses separated by commas, each " +
                                                     std::string(kAddressRule)};
                }
                return std::nullopt;
            },
            [&](const int& value) -> std::optional<UnholdableValue> {
                if (auto allowed = refusedNumber(config, field, p, value)) {
                    return UnholdableValue{&field, p, std::to_string(value), std::move(*allowed)};
                }
                return std::nullopt;
            },
            [](const auto&) -> std::optional<UnholdableValue> { return std::nullopt; },
        });
}

} // namespace

std::vector<UnholdableValue> findUnholdableValues(const TrackerConfig& config) {
    std::vector<UnholdableValue> found;
    for (const ProfileField& field : kProfileFields) {
        const int profiles = field.isShared() ? 1 : kProfileCount;
        for (int p = 0; p < profiles; ++p) {
            const FlagMember block = field.holdable.block;
            if (block != nullptr && !(config.*block)[p]) {
                continue;
            }
            if (auto value = checked(config, field, p)) {
                found.push_back(std::move(*value));
            }
        }
    }
    return found;
}

std::string unholdableValuesByLabel(const std::vector<UnholdableValue>& values) {
    std::string text = "The tracker cannot hold these values as they are:";
    for (const UnholdableValue& value : values) {
        text += '\n';
        if (!value.field->isShared()) {
            text += kProfileTabTexts[static_cast<std::size_t>(value.profile)];
            text += ", ";
        }
        text += value.field->control.label.text;
        text += ' ';
        text += value.allowed;
    }
    return text;
}

} // namespace wl3
