#include "config/address_field.h"
#include "config/config_image.h"
#include "config/delay_conversion.h"
#include "config/image_layout.h"

#include <algorithm>
#include <string>

namespace wl3 {
namespace {

using Image = std::span<const std::uint8_t, kImageSize>;

// Offsets come from the image itself, so every block is checked against its end; a block
// that would run past it counts as absent.
bool fitsAt(int offset, int size) {
    return offset + size <= kImageSize;
}

int word(std::uint8_t low, std::uint8_t high) {
    return low + 256 * high;
}

// The callsign and the path of the address block at offset. The list also ends where the
// image ends.
void decodeAddresses(TrackerConfig& config, Image image, int p) {
    const int offset = image[layout::kAddressOffset + p];
    std::string callsign;
    std::string path;
    if (fitsAt(offset, kAddressFieldSize)) {
        auto field = image.subspan(offset).first<kAddressFieldSize>();
        callsign = decodeAddressField(field);
        for (int next = offset + kAddressFieldSize;
             (field.back() & kEndMark) == 0 && fitsAt(next, kAddressFieldSize);
             next += kAddressFieldSize) {
            field = image.subspan(next).first<kAddressFieldSize>();
            appendPathElement(path, decodeAddressField(field));
        }
    }
    setText(config.callsign[p], callsign);
    setText(config.digiPath[p], path);
}

void decodeStatusText(TrackerConfig& config, Image image, int p) {
    const std::size_t offset =
        std::min<std::size_t>(image[layout::kStatusTextOffset + p], kImageSize);
    const auto text = image.subspan(offset);
    const auto end = std::find(text.begin(), text.end(), 0x00);
    setText(config.statusText[p], std::string(text.begin(), end));
}

void decodeNumbers(TrackerConfig& config, Image image, int p) {
    using namespace layout;
    config.autoTxDelayMs[p] = txDelayFromByte(image[kAutoTxDelay + p]);
    config.manualTxDelayMs[p] = txDelayFromByte(image[kManualTxDelay + p]);
    config.micEMessage[p] = image[kMicEMessage + p];
    config.micEPath[p] = image[kMicEPath + p];
    config.statusEvery[p] = image[kStatusEvery + p];
    config.autoRateSec[p] = word(image[kAutoRateLow + p], image[kAutoRateHigh + p]);
    config.manualRateSec[p] = word(image[kManualRateLow + p], image[kManualRateHigh + p]);
    config.quietTimeMs[p] = quietTimeFromByte(image[kQuietTime + p]);
    config.powerSwitchTimeSec[p] = image[kPowerSwitchTime + p];

    const auto printableOr = [](std::uint8_t c, char replacement) {
        return c >= 0x20 && c < 0x80 ? static_cast<char>(c) : replacement;
    };
    config.symbol[p] = printableOr(image[kSymbol + p], '-');
    config.symbolTable[p] = printableOr(image[kSymbolTable + p], '/');
}

template <std::size_t N>
void decodeFlags(TrackerConfig& config, const std::array<layout::ProfileFlag, N>& bits,
                 std::uint8_t value, int p) {
    for (std::size_t bit = 0; bit < N; ++bit) {
        // Each flag is one bit; the bits past the list (bit 7 of the second byte) are ignored.
        (config.*bits[bit])[p] = ((value >> bit) & 1) != 0;
    }
}

// The encoder puts a time-slot value right after a SmartBeaconing block, so that is where
// an image with both holds it; the form never enables both, but files and trackers may.
void decodeOptionalBlocks(TrackerConfig& config, Image image, int p) {
    const int o = image[layout::kOptionalOffset + p];
    if (config.smartBeaconing[p] && fitsAt(o, layout::kSmartBeaconingSize)) {
        config.slowSpeedMph[p] = image[o];
        config.fastSpeedMph[p] = image[o + 1];
        config.slowRateSec[p] = word(image[o + 2], image[o + 3]);
        config.fastRateSec[p] = word(image[o + 4], image[o + 5]);
        config.minTurnAngleDeg[p] = image[o + 6];
        config.turnSlope[p] = word(image[o + 7], image[o + 8]);
        config.minTurnTimeSec[p] = image[o + 9];
    }
    const int slot = config.smartBeaconing[p] ? o + layout::kSmartBeaconingSize : o;
    if (config.timeSlotting[p] && fitsAt(slot, layout::kTimeSlotSize)) {
        config.slotOffsetSec[p] = config.autoRateSec[p] - word(image[slot], image[slot + 1]) + 1;
    }
}

} // namespace

Status decodeImage(TrackerConfig& config, std::span<const std::uint8_t> image, Reporter& reporter) {
    if (image.size() != static_cast<std::size_t>(kImageSize)) {
        reporter.report(ImageSizeWrong{image.size()});
        return Status::Failed;
    }
    const Image bytes = image.first<kImageSize>();
    for (int p = 0; p < kProfileCount; ++p) {
        decodeAddresses(config, bytes, p);
        decodeStatusText(config, bytes, p);
        decodeNumbers(config, bytes, p);
        decodeFlags(config, layout::kFirstFlagBits, bytes[layout::kFirstFlags + p], p);
        decodeFlags(config, layout::kSecondFlagBits, bytes[layout::kSecondFlags + p], p);
        decodeOptionalBlocks(config, bytes, p);
    }
    config.calibration = bytes[layout::kCalibration];
    return Status::Ok;
}

} // namespace wl3
