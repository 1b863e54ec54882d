#include "config/address_field.h"
#include "config/config_image.h"
#include "config/holdable_values.h"
#include "formats/config_json.h"
#include "require.h"
#include "support/discarding_reporter.h"
#include "text_checks.h"
#include "wording/wording.h"

#include <array>
#include <cstdlib>
#include <string>

namespace {

using namespace wl3;
using fuzz::require;

// A refusal is one readable line, however long the key or text it names.
constexpr std::size_t kLongestError = 512;

// A number the image stores as it is: not a delay, which it keeps in steps, and not one of
// an optional block that is off.
bool isHeldExactly(const TrackerConfig& config, const ProfileField& field, int p) {
    const Holdable& holdable = field.holdable;
    const bool number =
        holdable.kind == Holdable::Kind::SlotOffset ||
        (holdable.kind == Holdable::Kind::Number && holdable.high != kHoldsTxDelay.high &&
         holdable.high != kHoldsQuietTime.high);
    return number && (holdable.block == nullptr || (config.*holdable.block)[p]);
}

int valueOf(const TrackerConfig& config, const ProfileField& field, int p) {
    return visitValue(
        config, field, p,
        Overloaded{[](const int& value) { return value; }, [](const auto&) { return 0; }});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Exactly the input on the heap, so that a read past its end is an overflow.
    const std::string text(reinterpret_cast<const char*>(data), size);
    TrackerConfig config;
    config.calibration = 12345;
    const TrackerConfig before = config;
    JsonProblem problem;
    if (!configFromJsonText(text, config, problem)) {
        const std::string error = english(wordingOf(JsonRefused{"f.json", problem}).lines.front());
        require(config == before && !error.empty() && error.size() <= kLongestError);
        return 0;
    }
    fuzz::requireTerminatedTexts(config);

    // What was imported exports as a document that imports as the same record.
    TrackerConfig again;
    require(configFromJsonText(configToJsonText(config), again, problem) && again == config);

    // The encoder takes whatever the document held.
    test::DiscardingReporter reporter;
    std::array<std::uint8_t, kImageBufferSize> image{};
    const int length = encodeImage(config, image, reporter);
    require(length == 0 || length == kImageSize);

    // What import lets through, the tracker holds as given: every number but the quantised
    // delays, and every callsign, come back from the image as they went in.
    if (length == kImageSize && findUnholdableValues(config).empty()) {
        TrackerConfig decoded;
        require(decodeImage(decoded, std::span(image).first<kImageSize>(), reporter) == Status::Ok);
        for (const ProfileField& field : kProfileFields) {
            for (int p = 0; p < kProfileCount; ++p) {
                if (isHeldExactly(config, field, p)) {
                    require(valueOf(decoded, field, p) == valueOf(config, field, p));
                }
            }
        }
        for (int p = 0; p < kProfileCount; ++p) {
            require(textOf(decoded.callsign[p]) ==
                    normalizeAddressText(textOf(config.callsign[p])));
        }
    }
    return 0;
}
