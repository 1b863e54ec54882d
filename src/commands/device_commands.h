#pragma once

#include "config/config_image.h"
#include "config/holdable_values.h"
#include "config/status.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"
#include "outcomes/reporter.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wl3 {

// The tracker's commands as the window's buttons run them, for the window and wl3 alike.
// Each is one run over the record, a link already set to its port, and the reporter; it
// stops at the first failure, which the failing step has reported. A stop asked for
// through the link's observer ends a command with Status::Stopped and no message.

// Runs once the record holds what a command decoded, before the command reports its
// success: the window refills its form there.
using RecordChanged = std::function<void()>;

// Keeps what the tracker held before a write overwrites it: the image read, and its record.
// Anything but Ok stops the write before anything is sent.
using SaveBackup = std::function<Status(const ConfigImage& held, const TrackerConfig& record)>;

// The version query. On success reply holds the tracker's answer as received, at most 29
// characters.
Status queryTrackerVersion(SerialLink& link, std::string& reply);

// Read Version: the reply, reported as the tracker's version.
Status readVersion(SerialLink& link, Reporter& reporter);

// The version query, then the image read twice. Exactly 128 bytes on which both reads agree
// are decoded into config, which is otherwise left as it was, and land in trackerImage;
// anything else is a failed read. Success is the caller's to report: a read is a Read
// Configuration, or a write's backup.
Status readTrackerImage(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                        ConfigImage& trackerImage);

// Read Configuration: readTrackerImage, then its success. trackerImage, when given,
// receives the bytes read.
Status readConfiguration(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                         const RecordChanged& recordChanged = {},
                         ConfigImage* trackerImage = nullptr);

// What writing config onto base would store, found before any tracker or file is touched:
// base is the image config was decoded from (a file's, the tracker's, or the defaults'
// encoding), and every byte of it whose value config leaves as it was is kept.
struct PreparedImage {
    std::optional<ConfigImage> image;
    // Why there is none: the values the tracker cannot hold as given, or else the
    // encoder's refusal. With an image, the encoder's warning, if it had one.
    std::vector<UnholdableValue> unholdable;
    std::vector<Outcome> encoder;
};

// The one preparation of the image that the window, wl3 and the fleet write or save.
PreparedImage prepareImage(const TrackerConfig& config, const ConfigImage& base);

// Reports what prepared says, in one report for its refusal (under action's caption):
// Ok when there is an image to send.
Status reportPrepared(const PreparedImage& prepared, RefusedAction action, Reporter& reporter);

// Fails, after reporting how many characters of each text fit, when the image would cut a
// status text: wl3 stores no cut text unless told to.
Status refuseCutTexts(const TrackerConfig& config, Reporter& reporter);
// Once a record was stored with leave to cut its status texts: what each text lost, a
// message a text.
void reportCutTexts(const TrackerConfig& config, Reporter& reporter);

// The steps of a write besides sending, each optional.
struct WriteSteps {
    SaveBackup backup; // after the tracker's configuration is read, before anything is sent
    RecordChanged recordChanged;
};

// Write Configuration, the one write of the window, wl3 and the fleet, of an image that
// prepareImage made: the tracker's configuration read and backed up, when asked for; the
// version query; the image sent, read back and compared; then the image is decoded into
// config, so that it holds what the tracker keeps, and its success follows. Nothing
// reaches the tracker before every earlier step succeeded.
Status writeConfiguration(TrackerConfig& config, const ConfigImage& image, SerialLink& link,
                          Reporter& reporter, const WriteSteps& steps);

// Whether the calibration a tone command runs with is the one the tracker holds: the
// tracker tests its tones with its own.
enum class Calibration { Written, NotWritten };

// A tone command, after a warning when the calibration has not reached the tracker.
Status sendTestTone(Calibration calibration, SerialLink& link, Reporter& reporter, ToneCode code);

} // namespace wl3
