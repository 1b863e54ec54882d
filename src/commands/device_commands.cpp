#include "commands/device_commands.h"

#include <algorithm>
#include <span>

namespace wl3 {

namespace {

// At most 29 characters of reply and the NUL after them.
constexpr int kVersionReplySize = 30;

using ImageBuffer = std::array<std::uint8_t, kImageBufferSize>;

// The version query of Read and Write Configuration, which only checks that a tracker
// answers and shows nothing of the reply.
Status checkTracker(SerialLink& link) {
    std::string ignored;
    return queryTrackerVersion(link, ignored);
}

// An encoder's outcomes, kept for the caller to report when it chooses.
class KeptOutcomes : public Reporter {
public:
    void report(const Outcome& outcome) override { kept.push_back(outcome); }
    std::vector<Outcome> kept;
};

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
        reporter.report(VersionReply{reply});
    }
    return status;
}

Status readTrackerImage(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                        ConfigImage& trackerImage) {
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
        reporter.report(ReadFailed{});
        return Status::Failed;
    }
    std::copy(received.begin(), received.end(), trackerImage.begin());
    return Status::Ok;
}

Status readConfiguration(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                         const RecordChanged& recordChanged, ConfigImage* trackerImage) {
    ConfigImage image{};
    if (const Status read = readTrackerImage(config, link, reporter, image); read != Status::Ok) {
        return read;
    }
    if (trackerImage != nullptr) {
        *trackerImage = image;
    }
    if (recordChanged) {
        recordChanged();
    }
    reporter.report(ReadSucceeded{});
    return Status::Ok;
}

PreparedImage prepareImage(const TrackerConfig& config, const ConfigImage& base) {
    PreparedImage prepared;
    KeptOutcomes encoder;
    TrackerConfig held;
    decodeImage(held, base, encoder);
    prepared.unholdable = findUnholdableValues(config, &held);
    if (prepared.unholdable.empty()) {
        prepared.image = encodeOntoImage(config, base, encoder);
        prepared.encoder = std::move(encoder.kept);
    }
    return prepared;
}

Status refuseCutTexts(const TrackerConfig& config, Reporter& reporter) {
    const auto room = statusTextRoom(config);
    if (!room || !room->cut()) {
        return Status::Ok; // callsigns and paths that do not fit are the encoder's to refuse
    }
    reporter.report(TextsWouldBeCut{room->length, room->kept});
    return Status::Failed;
}

void reportCutTexts(const TrackerConfig& config, Reporter& reporter) {
    const auto room = statusTextRoom(config);
    if (!room || !room->cut()) {
        return;
    }
    for (int p = 0; p < kProfileCount; ++p) {
        if (room->kept[p] < room->length[p]) {
            reporter.report(TextStoredCut{
                p, std::string(textOf(config.statusText[p]).substr(std::size_t(room->kept[p])))});
        }
    }
}

Status reportPrepared(const PreparedImage& prepared, RefusedAction action, Reporter& reporter) {
    if (!prepared.unholdable.empty()) {
        reporter.report(ValuesRefused{action, prepared.unholdable});
    }
    for (const Outcome& outcome : prepared.encoder) {
        reporter.report(outcome);
    }
    return prepared.image ? Status::Ok : Status::Failed;
}

Status writeConfiguration(TrackerConfig& config, const ConfigImage& image, SerialLink& link,
                          Reporter& reporter, const WriteSteps& steps) {
    if (steps.backup) {
        TrackerConfig record;
        ConfigImage held{};
        if (const Status read = readTrackerImage(record, link, reporter, held);
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
    if (const Status sent = link.writeImage(image); sent != Status::Ok) {
        return sent;
    }
    // The image as sent, not the copy read back, so the record shows what the tracker keeps.
    if (decodeImage(config, image, reporter) != Status::Ok) {
        return Status::Failed;
    }
    if (steps.recordChanged) {
        steps.recordChanged();
    }
    reporter.report(WriteSucceeded{});
    return Status::Ok;
}

Status sendTestTone(Calibration calibration, SerialLink& link, Reporter& reporter, ToneCode code) {
    if (calibration == Calibration::NotWritten) {
        reporter.report(CalibrationNotWritten{});
    }
    return link.sendTone(code);
}

} // namespace wl3
