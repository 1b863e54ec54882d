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

std::optional<ConfigImage> imageToWrite(TrackerConfig& config, const ConfigImage& base,
                                        Reporter& reporter, const ReportUnholdable& refuse) {
    TrackerConfig held;
    decodeImage(held, base, reporter);
    if (const auto values = findUnholdableValues(config, &held); !values.empty()) {
        refuse(values);
        return std::nullopt;
    }
    return encodeOntoImage(config, base, reporter);
}

Status writeConfiguration(TrackerConfig& config, const ConfigImage& base, SerialLink& link,
                          Reporter& reporter, const WriteSteps& steps) {
    bool refused = false;
    const auto image = imageToWrite(config, base, reporter, [&](const auto& values) {
        refused = true;
        steps.refuse(values);
    });
    if (!image) {
        // After the encoder's own message, the decoder's refusal of the empty image is the
        // window's word that nothing was written.
        if (!refused) {
            decodeImage(config, {}, reporter);
        }
        return Status::Failed;
    }
    if (steps.backup) {
        TrackerConfig record;
        ConfigImage held{};
        if (const Status read = readConfiguration(record, link, reporter, {}, &held);
            read != Status::Ok) {
            return read;
        }
        if (const Status saved = steps.backup(held, record); saved != Status::Ok) {
            return saved;
        }
    }
    if (const Status checked = checkTracker(link); checked != Status::Ok) {
        return checked;
    }
    if (const Status sent = link.writeImage(*image); sent != Status::Ok) {
        return sent;
    }
    // The image as sent, not the copy read back, so the record shows what the tracker keeps.
    if (decodeImage(config, *image, reporter) != Status::Ok) {
        return Status::Failed;
    }
    if (steps.written != nullptr) {
        *steps.written = *image;
    }
    if (steps.recordChanged) {
        steps.recordChanged();
    }
    reporter.message(kWriteCaption, "Write Successful");
    return Status::Ok;
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
