#include "config/config_image.h"
#include "config/profile_fields.h"
#include "support/discarding_reporter.h"
#include "text_checks.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

namespace {

using namespace wl3;

TrackerConfig recordFrom(FuzzedDataProvider& input) {
    TrackerConfig config;
    for (int p = 0; p < kProfileCount; ++p) {
        setText(config.callsign[p], input.ConsumeRandomLengthString(40));
        setText(config.digiPath[p], input.ConsumeRandomLengthString(160));
        setText(config.statusText[p], input.ConsumeRandomLengthString(260));
        for (auto field : kProfileNumbers) {
            (config.*field)[p] = input.ConsumeIntegral<int>();
        }
        config.symbol[p] = input.ConsumeIntegral<char>();
        config.symbolTable[p] = input.ConsumeIntegral<char>();
        for (auto flag : kProfileFlags) {
            (config.*flag)[p] = input.ConsumeBool();
        }
    }
    // Shared blocks and texts take other paths through the encoder.
    if (input.ConsumeBool()) {
        config.callsign[kSecondary] = config.callsign[kPrimary];
        config.digiPath[kSecondary] = config.digiPath[kPrimary];
    }
    if (input.ConsumeBool()) {
        config.statusText[kSecondary] = config.statusText[kPrimary];
    }
    config.calibration = input.ConsumeIntegral<int>();
    return config;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TrackerConfig config = recordFrom(input);
    // Exactly the image's size, so that a write past it is an overflow.
    std::vector<std::uint8_t> image(kImageSize);
    test::DiscardingReporter reporter;
    const int result = encodeImage(config, image, reporter);
    if (result != 0 && result != kImageSize) {
        std::abort();
    }
    fuzz::requireTerminatedTexts(config);
    if (result == kImageSize && decodeImage(config, image, reporter) != Status::Ok) {
        std::abort();
    }
    return 0;
}
