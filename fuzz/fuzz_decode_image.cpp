#include "config/config_image.h"
#include "support/discarding_reporter.h"
#include "text_checks.h"

#include <vector>

namespace {

using namespace wl3;

void requireWithinLimit(std::string_view text, int limit) {
    if (static_cast<int>(text.size()) > limit) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::DiscardingReporter reporter;
    TrackerConfig config;
    if (size != static_cast<std::size_t>(kImageSize)) {
        const std::vector<std::uint8_t> other(data, data + size);
        if (decodeImage(config, other, reporter) != Status::Failed || config != TrackerConfig{}) {
            std::abort();
        }
        if (size < static_cast<std::size_t>(kImageSize)) {
            return 0;
        }
    }
    // Exactly the image's size on the heap, so that a read past it is an overflow.
    const std::vector<std::uint8_t> image(data, data + kImageSize);
    if (decodeImage(config, image, reporter) != Status::Ok) {
        std::abort();
    }
    fuzz::requireTerminatedTexts(config);
    for (int p = 0; p < kProfileCount; ++p) {
        requireWithinLimit(textOf(config.callsign[p]), TrackerConfig::kCallsignMax);
        requireWithinLimit(textOf(config.digiPath[p]), TrackerConfig::kDigiPathMax);
        requireWithinLimit(textOf(config.statusText[p]), TrackerConfig::kStatusTextMax);
    }
    // Damaged images may hold more addresses than an image can, so writing back may be
    // refused, but never half done.
    std::vector<std::uint8_t> rebuilt(kImageSize);
    const int result = encodeImage(config, rebuilt, reporter);
    if (result != 0 && result != kImageSize) {
        std::abort();
    }
    return 0;
}
