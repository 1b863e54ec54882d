#include "config/config_image.h"
#include "config/image_layout.h"

namespace wl3 {

void keepUnchangedStoredBytes(std::span<std::uint8_t, kImageSize> image, const ConfigImage& base,
                              const ConfigImage& stored) {
    for (int i = 0; i < layout::kFixedAreaSize; ++i) {
        // Offsets follow the texts and blocks, which the change may have moved.
        const int pair = i - i % kProfileCount;
        const bool offset = pair == layout::kAddressOffset || pair == layout::kStatusTextOffset ||
                            pair == layout::kOptionalOffset;
        const auto at = static_cast<std::size_t>(i);
        if (!offset && image[at] == base[at]) {
            image[at] = stored[at];
        }
    }
}

} // namespace wl3
