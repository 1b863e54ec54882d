#include "commands/device_commands.h"

#include <algorithm>
#include <span>

namespace wl3 {

namespace {

// At most 29 characters of reply and the NUL after them.
constexpr int kVersionReplySize = 30;
constexpr std::string_view kReadCaption = "Wrenlink3 Read";

using ImageBuffer = std::array<std::uint8_t, kImageBufferSize>;

// The version query of Read and Write Configuration, which only checks that a tracker
// answers and shows nothing of the reply.
Status checkTracker(SerialLink& link) {
    std::string ignored;
    return queryTrackerVersion(link, ignored);
}

} // namespace

Status queryTrackerVersion(SerialLink& link, std::string& reply) {
    std::array<char, kVersionReplySize> buffer{};
    const Status status = link.queryVersion(buffer);
    if (status == Status::Ok) {
        reply = buffer.data();
    }
    return status;
}

Status readVersion(SerialLink& link, Reporter& reporter) {
    std::string reply;
    const Status status = queryTrackerVersion(link, reply);
    if (status == Status::Ok) {
        reporter.message("Wrenlink3 Version", reply);
    }
    return status;
}

Status readConfiguration(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                         const RecordChanged& recordChanged, ConfigImage* trackerImage) {
    if (const Status checked = checkTracker(link); checked != Status::Ok) {
        return checked;
    }
    ImageBuffer image{};
    const int count = link.readImage(image);
    if (link.stopped()) {
        return Status::Stopped;
    }
    const auto received = std::span(image).first<kImageSize>();
    if (count != kImageSize || decodeImage(config, received, reporter) != Status::Ok) {
        reporter.message(kReadCaption, "Read Failed");
        return Status::Failed;
    }
    if (trackerImage != nullptr) {
        std::copy(received.begin(), received.end(), trackerImage->begin());
    }
    if (recordChanged) {
        recordChanged();
    }
    reporter.message(kReadCaption, "Read Successful");
    return Status::Ok;
}

namespace {

// Write Configuration from the version query on: the image sent, verified and decoded.
Status sendImage(std::span<const std::uint8_t> image, TrackerConfig& config, SerialLink& link,
                 Reporter& reporter, const BeforeSending& beforeSending,
                 const RecordChanged& recordChanged) {
    if (beforeSending) {
        if (const Status ready = beforeSending(); ready != Status::Ok) {
            return ready;
        }
    }
    if (const Status checked = checkTracker(link); checked != Status::Ok) {
        return checked;
    }
    if (const Status sent = link.writeImage(image); sent != Status::Ok) {
        return sent;
    }
    // The image as sent, not the copy read back, so the record shows what the tracker keeps.
    if (decodeImage(config, image, reporter) != Status::Ok) {
        return Status::Failed;
    }
    if (recordChanged) {
        recordChanged();
    }
    reporter.message(kWriteCaption, "Write Successful");
    return Status::Ok;
}

} // namespace

Status writeConfiguration(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                          const BeforeSending& beforeSending, const RecordChanged& recordChanged) {
    ImageBuffer image{};
    const int length = encodeImage(config, image, reporter);
    const auto written = std::span(image).first(static_cast<std::size_t>(length));
    if (length == 0) {
        // The decoder's refusal of the empty image is the window's word that nothing was
        // written, after the encoder's own.
        decodeImage(config, written, reporter);
        return Status::Failed;
    }
    return sendImage(written, config, link, reporter, beforeSending, recordChanged);
}

Status writeStoredImage(const ConfigImage& image, TrackerConfig& config, SerialLink& link,
                        Reporter& reporter, const BeforeSending& beforeSending,
                        const RecordChanged& recordChanged) {
    return sendImage(image, config, link, reporter, beforeSending, recordChanged);
}

Status sendTestTone(const TrackerConfig& config, SerialLink& link, Reporter& reporter,
                    ToneCode code) {
    if (config.calibrationChanged) {
        reporter.message("Calibration not written",
                         "New Calibration value should be written before Testing Tones");
    }
    return link.sendTone(code);
}

} // namespace wl3
