#include "config/address_field.h"
#include "config/config_image.h"
#include "config/delay_conversion.h"
#include "config/image_layout.h"

#include <algorithm>
#include <vector>

namespace wl3 {
namespace {

using Image = std::array<std::uint8_t, kImageSize>;

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value);
}

std::uint8_t highByte(int value) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(value) >> 8);
}

template <std::size_t N>
std::uint8_t flagByte(const TrackerConfig& config, const std::array<layout::ProfileFlag, N>& bits,
                      int p) {
    std::uint8_t result = 0;
    for (std::size_t bit = 0; bit < N; ++bit) {
        if ((config.*bits[bit])[p]) {
            result |= static_cast<std::uint8_t>(1u << bit);
        }
    }
    return result;
}

// The blocks between the fixed area and the status texts. They must leave at least the
// last byte free, so that every status text keeps a place for its terminator.
class VariableArea {
public:
    explicit VariableArea(Image& image) : image_(image) {}

    int position() const { return position_; }

    bool append(std::span<const std::uint8_t> bytes) {
        if (position_ + static_cast<int>(bytes.size()) > layout::kLastByte) {
            return false;
        }
        std::copy(bytes.begin(), bytes.end(), image_.begin() + position_);
        position_ += static_cast<int>(bytes.size());
        return true;
    }

private:
    Image& image_;
    int position_ = layout::kFixedAreaSize;
};

void writeFixedArea(const TrackerConfig& config, int p, Image& image) {
    using namespace layout;
    image[kCalibration + p] = lowByte(config.calibration);
    image[kAutoTxDelay + p] = txDelayToByte(config.autoTxDelayMs[p]);
    image[kManualTxDelay + p] = txDelayToByte(config.manualTxDelayMs[p]);
    image[kAutoRateLow + p] = lowByte(config.autoRateSec[p]);
    image[kAutoRateHigh + p] = highByte(config.autoRateSec[p]);
    image[kManualRateLow + p] = lowByte(config.manualRateSec[p]);
    image[kManualRateHigh + p] = highByte(config.manualRateSec[p]);
    image[kStatusEvery + p] = lowByte(config.statusEvery[p]);
    image[kMicEMessage + p] = lowByte(config.micEMessage[p]);
    image[kMicEPath + p] = lowByte(config.micEPath[p]);
    image[kSymbol + p] = static_cast<std::uint8_t>(config.symbol[p]);
    image[kSymbolTable + p] = static_cast<std::uint8_t>(config.symbolTable[p]);
    image[kQuietTime + p] = quietTimeToByte(config.quietTimeMs[p]);
    image[kPowerSwitchTime + p] =
        static_cast<std::uint8_t>(clampInt(config.powerSwitchTimeSec[p], 0, 255));
}

std::array<std::uint8_t, layout::kSmartBeaconingSize> smartBeaconingBlock(const TrackerConfig& c,
                                                                          int p) {
    return {lowByte(c.slowSpeedMph[p]),    lowByte(c.fastSpeedMph[p]), lowByte(c.slowRateSec[p]),
            highByte(c.slowRateSec[p]),    lowByte(c.fastRateSec[p]),  highByte(c.fastRateSec[p]),
            lowByte(c.minTurnAngleDeg[p]), lowByte(c.turnSlope[p]),    highByte(c.turnSlope[p]),
            lowByte(c.minTurnTimeSec[p])};
}

std::array<std::uint8_t, layout::kTimeSlotSize> timeSlotValue(const TrackerConfig& config, int p) {
    // Unsigned, so that any pair of ints wraps instead of overflowing.
    const unsigned value = static_cast<unsigned>(config.autoRateSec[p]) -
                           static_cast<unsigned>(config.slotOffsetSec[p]) + 1u;
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

std::vector<std::uint8_t> addressBlock(std::string_view callsign, std::string_view digiPath) {
    std::vector<std::uint8_t> block;
    const auto appendField = [&block](std::string_view text) {
        const AddressField field = encodeAddressField(text);
        block.insert(block.end(), field.begin(), field.end());
    };
    appendField(callsign);
    for (std::string_view element : splitPath(digiPath)) {
        appendField(element);
    }
    block.back() |= kEndMark;
    block.insert(block.end(), layout::kAddressBlockTrailer.begin(),
                 layout::kAddressBlockTrailer.end());
    return block;
}

void deriveRateFlags(TrackerConfig& config, int p) {
    const int rate = config.autoRateSec[p];
    if (config.timeSlotting[p] && rate != 0) {
        config.rateDivides60[p] = 60 % rate == 0;
        config.rateDivides600[p] = 600 % rate == 0;
    }
}

// Writes both profiles' fixed area and blocks; false when the blocks do not fit.
bool writeProfiles(TrackerConfig& config, Image& image, VariableArea& area) {
    using namespace layout;
    for (int p = 0; p < kProfileCount; ++p) {
        writeFixedArea(config, p, image);
        image[kOptionalOffset + p] = static_cast<std::uint8_t>(area.position());
        if (config.smartBeaconing[p] && !area.append(smartBeaconingBlock(config, p))) {
            return false;
        }
        if (config.timeSlotting[p] && !area.append(timeSlotValue(config, p))) {
            return false;
        }
        deriveRateFlags(config, p);
        image[kFirstFlags + p] = flagByte(config, kFirstFlagBits, p);
        image[kSecondFlags + p] = flagByte(config, kSecondFlagBits, p);
        image[kAddressOffset + p] = static_cast<std::uint8_t>(area.position());

        const bool shared =
            p == kSecondary &&
            textOf(config.callsign[kSecondary]) == textOf(config.callsign[kPrimary]) &&
            textOf(config.digiPath[kSecondary]) == textOf(config.digiPath[kPrimary]);
        if (shared) {
            image[kAddressOffset + kSecondary] = image[kAddressOffset + kPrimary];
        } else if (!area.append(
                       addressBlock(textOf(config.callsign[p]), textOf(config.digiPath[p])))) {
            return false;
        }
    }
    return true;
}

// Where each status text starts and how many of its characters fit, from position on: the
// Primary's first, each with its terminator, the last byte shared by a terminator at most;
// the Secondary's shares the Primary's when the two are the same.
struct TextPlacement {
    PerProfile<int> offset{};
    PerProfile<int> kept{};
};

TextPlacement placeStatusTexts(const PerProfile<int>& lengths, bool shared, int position) {
    using layout::kLastByte;
    TextPlacement placed;
    for (int g = 0; g < kProfileCount; ++g) {
        if (g == kSecondary && shared) {
            placed.offset[g] = placed.offset[kPrimary];
            placed.kept[g] = placed.kept[kPrimary];
            break;
        }
        placed.offset[g] = position;
        placed.kept[g] = std::min(lengths[g], kLastByte - position);
        position += placed.kept[g];
        if (position < kLastByte) {
            ++position;
        }
    }
    return placed;
}

PerProfile<std::string_view> statusTexts(const TrackerConfig& config) {
    return {textOf(config.statusText[kPrimary]), textOf(config.statusText[kSecondary])};
}

PerProfile<int> lengthsOf(const PerProfile<std::string_view>& texts) {
    return {static_cast<int>(texts[kPrimary].size()), static_cast<int>(texts[kSecondary].size())};
}

// Places both status texts after the blocks; returns whether any character was dropped.
bool writeStatusTexts(const TrackerConfig& config, Image& image, int position) {
    const auto texts = statusTexts(config);
    const PerProfile<int> lengths = lengthsOf(texts);
    const TextPlacement placed =
        placeStatusTexts(lengths, texts[kSecondary] == texts[kPrimary], position);
    for (int g = 0; g < kProfileCount; ++g) {
        const auto offset = static_cast<std::size_t>(placed.offset[g]);
        const std::string_view kept = texts[g].substr(0, static_cast<std::size_t>(placed.kept[g]));
        image[layout::kStatusTextOffset + g] = static_cast<std::uint8_t>(offset);
        std::copy(kept.begin(), kept.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
        image[offset + kept.size()] = 0x00;
    }
    return placed.kept != lengths;
}

// How far a text of lengths[p] characters could grow before a character of either text is
// cut. A text that grows is no longer the other's, so it no longer shares its place.
int roomToGrow(PerProfile<int> lengths, int p, int position) {
    int grown = 0;
    while (grown < kImageSize) {
        ++lengths[p];
        if (placeStatusTexts(lengths, false, position).kept != lengths) {
            break;
        }
        ++grown;
    }
    return grown;
}

} // namespace

int encodeImage(const TrackerConfig& config, std::span<std::uint8_t> image, Reporter& reporter) {
    if (image.size() < static_cast<std::size_t>(kImageSize)) {
        reporter.report(ImageSizeWrong{});
        return 0;
    }
    // The rate flags are the rate's, whatever the record says; a refused image leaves the
    // buffer as it was.
    TrackerConfig derived = config;
    Image bytes{};
    VariableArea area(bytes);
    if (!writeProfiles(derived, bytes, area)) {
        reporter.report(AddressesDoNotFit{});
        return 0;
    }
    const bool truncated = writeStatusTexts(derived, bytes, area.position());

    std::copy(bytes.begin(), bytes.end(), image.begin());
    if (truncated) {
        reporter.report(TextTruncated{});
    }
    return kImageSize;
}

std::optional<StatusTextRoom> statusTextRoom(const TrackerConfig& config) {
    TrackerConfig derived = config;
    Image bytes{};
    VariableArea area(bytes);
    if (!writeProfiles(derived, bytes, area)) {
        return std::nullopt;
    }
    const auto texts = statusTexts(config);
    StatusTextRoom room;
    room.length = lengthsOf(texts);
    room.kept =
        placeStatusTexts(room.length, texts[kSecondary] == texts[kPrimary], area.position()).kept;
    // A shared text is one text, cut once.
    const int cut =
        room.length[kPrimary] - room.kept[kPrimary] +
        (texts[kSecondary] == texts[kPrimary] ? 0
                                              : room.length[kSecondary] - room.kept[kSecondary]);
    for (int p = 0; p < kProfileCount; ++p) {
        room.left[p] = cut > 0 ? -cut : roomToGrow(room.length, p, area.position());
    }
    return room;
}

} // namespace wl3
