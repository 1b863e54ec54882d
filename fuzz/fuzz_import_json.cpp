#include "config/config_image.h"
#include "formats/config_json.h"
#include "require.h"
#include "support/discarding_reporter.h"
#include "text_checks.h"

#include <array>
#include <cstdlib>
#include <string>

namespace {

using namespace wl3;
using fuzz::require;

// A refusal is one readable line, however long the key or text it names.
constexpr std::size_t kLongestError = 512;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Exactly the input on the heap, so that a read past its end is an overflow.
    const std::string text(reinterpret_cast<const char*>(data), size);
    TrackerConfig config;
    config.calibration = 12345;
    const TrackerConfig before = config;
    std::string error;
    if (!configFromJsonText(text, config, error)) {
        require(config == before && !error.empty() && error.size() <= kLongestError);
        return 0;
    }
    require(error.empty());
    fuzz::requireTerminatedTexts(config);

    // What was imported exports as a document that imports as the same record.
    TrackerConfig again;
    require(configFromJsonText(configToJsonText(config), again, error) && again == config);

    // import goes on to the encoder with whatever the document held.
    test::DiscardingReporter reporter;
    std::array<std::uint8_t, kImageBufferSize> image{};
    const int length = encodeImage(config, image, reporter);
    require(length == 0 || length == kImageSize);
    return 0;
}
