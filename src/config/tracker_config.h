#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace wl3 {

enum ProfileIndex : int { kPrimary = 0, kSecondary = 1 };
inline constexpr int kProfileCount = 2;

template <typename T> using PerProfile = std::array<T, kProfileCount>;

// A NUL-terminated text held in a fixed array; at most N - 1 characters.
template <std::size_t N> using TextField = std::array<char, N>;

// Copies text into field, cut at the field's limit and at an embedded NUL, and clears the
// rest so that two fields holding the same text compare equal.
template <std::size_t N> constexpr void setText(TextField<N>& field, std::string_view text) {
    text = text.substr(0, std::min(text.find('\0'), N - 1));
    field.fill('\0');
    std::copy(text.begin(), text.end(), field.begin());
}

template <std::size_t N> std::string_view textOf(const TextField<N>& field) {
    return std::string_view(field.data(),
                            std::find(field.begin(), field.end(), '\0') - field.begin());
}

template <std::size_t N> constexpr PerProfile<TextField<N>> bothProfiles(std::string_view text) {
    TextField<N> field{};
    setText(field, text);
    return {field, field};
}

// Everything the tracker keeps in its configuration image: two profiles and one shared
// calibration, and nothing else, so that every member has its row in the table of profile
// fields (profile_fields.h checks it). Numbers hold whatever the form produced; the encoder
// does all narrowing.
struct TrackerConfig {
    static constexpr int kCallsignMax = 19;
    static constexpr int kDigiPathMax = 99;
    static constexpr int kStatusTextMax = 199;

    bool operator==(const TrackerConfig&) const = default;

    PerProfile<TextField<kCallsignMax + 1>> callsign = bothProfiles<kCallsignMax + 1>("NOCALL");
    PerProfile<TextField<kDigiPathMax + 1>> digiPath = bothProfiles<kDigiPathMax + 1>("WIDE2-2");
    PerProfile<TextField<kStatusTextMax + 1>> statusText =
        bothProfiles<kStatusTextMax + 1>("Wrenlink3");
    int calibration = 128;
    PerProfile<int> autoTxDelayMs{300, 300};
    PerProfile<int> manualTxDelayMs{125, 125};
    PerProfile<int> micEMessage{0, 0};
    PerProfile<int> micEPath{0, 0};
    PerProfile<char> symbol{'>', '>'};
    PerProfile<char> symbolTable{'/', '/'};
    PerProfile<int> statusEvery{3, 3};
    PerProfile<int> autoRateSec{120, 120};
    PerProfile<int> manualRateSec{30, 30};
    PerProfile<int> slotOffsetSec{15, 15};
    PerProfile<int> slowSpeedMph{5, 5};
    PerProfile<int> fastSpeedMph{65, 65};
    PerProfile<int> slowRateSec{1800, 1800};
    PerProfile<int> fastRateSec{90, 90};
    PerProfile<int> minTurnAngleDeg{27, 27};
    PerProfile<int> turnSlope{255, 255};
    PerProfile<int> minTurnTimeSec{5, 5};
    PerProfile<int> quietTimeMs{500, 500};
    PerProfile<int> powerSwitchTimeSec{3, 3};
    PerProfile<bool> forcePrintable{};
    PerProfile<bool> onlySendValid{};
    PerProfile<bool> timeSlotting{};
    PerProfile<bool> rateDivides60{};
    PerProfile<bool> rateDivides600{};
    PerProfile<bool> smartBeaconing{};
    PerProfile<bool> sendAltitude{true, true};
    PerProfile<bool> micEEnabled{true, true};
    PerProfile<bool> powerSwitch{};
    PerProfile<bool> timestamp{};
    PerProfile<bool> allowTtlSerial{};
    PerProfile<bool> altDigiPaths{};
    PerProfile<bool> invertCdIn{};
    PerProfile<bool> timestampHms{};
    PerProfile<bool> noPttOutWhilePttIn{};
};

// low when value is below it, else high when value is above it, else value.
int clampInt(int value, int low, int high);

} // namespace wl3
