#include "config/config_image.h"
#include "config/image_layout.h"

#include <algorithm>

namespace wl3 {

namespace {

// The decoded record's encoding only serves as a comparison: its warnings are not the user's.
class SilentReporter : public Reporter {
public:
    void report(const Outcome& /*outcome*/) override {}
};

bool isOffset(int at) {
    const int pair = at - at % kProfileCount;
    return pair == layout::kAddressOffset || pair == layout::kStatusTextOffset ||
           pair == layout::kOptionalOffset;
}

// image is config's encoding, base the encoding of the record decoded from stored. A fixed-area
// byte equal in both takes the stored byte, since a decoded delay does not always encode to
// the byte it came from. The offsets and what they reach (texts, addresses, blocks) are kept
// only all together, when none of them changed: they follow one another.
void keepUnchangedStoredBytes(ConfigImage& image, const ConfigImage& base,
                              const ConfigImage& stored) {
    bool variableKept = true;
    for (int at = 0; at < kImageSize; ++at) {
        const auto i = static_cast<std::size_t>(at);
        const bool variable = at >= layout::kFixedAreaSize || isOffset(at);
        if (variable) {
            variableKept = variableKept && image[i] == base[i];
        } else if (image[i] == base[i]) {
            image[i] = stored[i];
        }
    }
    if (!variableKept) {
        return;
    }
    for (int at = 0; at < kImageSize; ++at) {
        if (at >= layout::kFixedAreaSize || isOffset(at)) {
            const auto i = static_cast<std::size_t>(at);
            image[i] = stored[i];
        }
    }
}

std::optional<ConfigImage> encodeWhole(const TrackerConfig& config, Reporter& reporter) {
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    if (encodeImage(config, buffer, reporter) != kImageSize) {
        return std::nullopt;
    }
    ConfigImage image{};
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    return image;
}

} // namespace

ConfigImage defaultImage() {
    TrackerConfig defaults;
    SilentReporter silent;
    return encodeWhole(defaults, silent).value_or(ConfigImage{});
}

std::optional<ConfigImage> encodeOntoImage(const TrackerConfig& config, const ConfigImage& stored,
                                           Reporter& reporter) {
    auto image = encodeWhole(config, reporter);
    if (!image) {
        return std::nullopt;
    }
    TrackerConfig held;
    SilentReporter silent;
    decodeImage(held, stored, silent);
    if (const auto base = encodeWhole(held, silent)) {
        keepUnchangedStoredBytes(*image, *base, stored);
    }
    return image;
}

} // namespace wl3
