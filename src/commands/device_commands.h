#pragma once

#include "config/config_image.h"
#include "config/holdable_values.h"
#include "config/reporter.h"
#include "config/status.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wl3 {

// The caption of Write Configuration's outcome.
inline constexpr std::string_view kWriteCaption = "Wrenlink3 Write";

// The tracker's commands as the window's buttons run them, for the window and wl3 alike.
// Each is one run over the record, a link already set to its port, and the reporter; it
// stops at the first failure, which the failing step has reported. A stop asked for
// through the link's observer ends a command with Status::Stopped and no message.

// Runs once the record holds what a command decoded, before the command reports its
// success: the window refills its form there.
using RecordChanged = std::function<void()>;

// How a write's refusal of values the tracker cannot hold as given is worded: the window
// lists them by label in one box, wl3 names each by its key.
using ReportUnholdable = std::function<void(const std::vector<UnholdableValue>& values)>;

// Keeps what the tracker held before a write overwrites it: the image read, and its record.
// Anything but Ok stops the write before anything is sent.
using SaveBackup = std::function<Status(const ConfigImage& held, const TrackerConfig& record)>;

// The version query. On success reply holds the tracker's answer as received, at most 29
// characters.
Status queryTrackerVersion(SerialLink& link, std::string& reply);

// Read Version: the reply in a message captioned "Wrenlink3 Version".
Status readVersion(SerialLink& link, Reporter& reporter);

// Read Configuration: the version query, then the image read twice. Exactly 128 bytes on
// which both reads agree are decoded into config, which is otherwise left as it was; the
// outcome is "Read Successful" or "Read Failed". trackerImage, when given, receives the
// bytes read.
Status readConfiguration(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                         const RecordChanged& recordChanged = {},
                         ConfigImage* trackerImage = nullptr);

// The image that writing config onto base sends: base is the image config was decoded
// from (a file's, the tracker's, or the defaults' encoding), and every byte of it whose value
// config leaves as it was is kept. Nothing, after saying why, when config holds values the
// tracker cannot hold as given (refuse words them) or the encoder refuses it.
std::optional<ConfigImage> imageToWrite(TrackerConfig& config, const ConfigImage& base,
                                        Reporter& reporter, const ReportUnholdable& refuse);

// The steps of a write besides sending, each optional but refuse.
struct WriteSteps {
    ReportUnholdable refuse;
    SaveBackup backup; // after the tracker's configuration is read, before anything is sent
    RecordChanged recordChanged;
    ConfigImage* written = nullptr; // receives the image the tracker now holds
};

// Write Configuration, the one write of the window, wl3 and the fleet: config refused or
// written onto base (imageToWrite); the tracker's configuration read and backed up, when
// asked for; the version query; the image sent, read back and compared; then the image sent
// is decoded into config, so that it holds what the tracker keeps, and "Write Successful"
// follows. Nothing reaches the tracker before every earlier step succeeded.
Status writeConfiguration(TrackerConfig& config, const ConfigImage& base, SerialLink& link,
                          Reporter& reporter, const WriteSteps& steps);

// A tone command, after a warning when config's calibration has not reached the tracker,
// which tests its tones with the calibration it holds.
Status sendTestTone(const TrackerConfig& config, SerialLink& link, Reporter& reporter,
                    ToneCode code);

} // namespace wl3
