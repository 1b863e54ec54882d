#pragma once

#include "config/status.h"
#include "config/tracker_config.h"
#include "outcomes/reporter.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace wl3 {

// The tracker's whole configuration: a 38-byte fixed area, then optional blocks, address
// blocks and status texts reached through offset bytes.
inline constexpr int kImageSize = 128;
using ConfigImage = std::array<std::uint8_t, kImageSize>;

// Callers hand the codec and the link a buffer larger than the image, so that an
// over-long reply from the tracker is seen as such rather than cut to fit.
inline constexpr int kImageBufferSize = 200;

// Builds the image of both profiles into image (whose size is the capacity). Returns
// kImageSize, or 0 when no image was produced (the reason has been reported). A
// time-slotted profile's rate-divides flags are derived from its auto transmit rate, not
// taken from config. Warns once, after the image is built, when status text had to be cut.
int encodeImage(const TrackerConfig& config, std::span<std::uint8_t> image, Reporter& reporter);

// How the two status texts fit the room that both profiles' callsigns, paths and optional
// blocks leave them, as encodeImage places them. left is how many characters each text could
// still grow by before any character of either is cut; once some are cut, both hold the
// same negative count, how many too many in all (a text both profiles share counted once).
struct StatusTextRoom {
    PerProfile<int> length{};
    PerProfile<int> kept{}; // what the image holds of each
    PerProfile<int> left{};

    bool cut() const { return kept != length; }
};

// Nothing when the callsigns and paths themselves do not fit.
std::optional<StatusTextRoom> statusTextRoom(const TrackerConfig& config);

// Fills both profiles and the calibration from an image of exactly kImageSize bytes. Any
// other size is reported and leaves config untouched. Reads
// nothing outside image, however its offsets point.
Status decodeImage(TrackerConfig& config, std::span<const std::uint8_t> image, Reporter& reporter);

// The image of the default record: what a configuration that comes from no image (a JSON
// file, the window at start) is written onto.
ConfigImage defaultImage();

// config's image written onto stored, the image that config was decoded from and then
// changed (a callsign set, say): every byte of stored whose value config leaves as it was is
// kept, since a decoded delay does not always encode to the byte it came from, and a
// stored image that config does not change at all comes back whole. Nothing when the
// encoder refuses config (it has said why).
std::optional<ConfigImage> encodeOntoImage(const TrackerConfig& config, const ConfigImage& stored,
                                           Reporter& reporter);

} // namespace wl3
