#pragma once

#include "config/config_image.h"
#include "config/reporter.h"
#include "config/status.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"

#include <functional>
#include <string>
#include <string_view>

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

// Runs once the image is encoded, before the tracker is touched; anything but Ok stops the
// write there. wl3 saves its backup here.
using BeforeSending = std::function<Status()>;

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

// Write Configuration: config encoded, the version query, the image written and read back
// to verify; then the image as sent is decoded into config, so that it holds what the
// tracker keeps, and "Write Successful" follows. An image the encoder refuses never
// reaches the tracker.
Status writeConfiguration(TrackerConfig& config, SerialLink& link, Reporter& reporter,
                          const BeforeSending& beforeSending = {},
                          const RecordChanged& recordChanged = {});

// Write Configuration of an image as it stands, such as a .wl3 file's, so that a backup
// restores exactly the bytes the tracker held: encoding its decoded record again would move
// the quantised delays. Otherwise as writeConfiguration, from the version query on.
Status writeStoredImage(const ConfigImage& image, TrackerConfig& config, SerialLink& link,
                        Reporter& reporter, const BeforeSending& beforeSending = {},
                        const RecordChanged& recordChanged = {});

// A tone command, after a warning when config's calibration has not reached the tracker,
// which tests its tones with the calibration it holds.
Status sendTestTone(const TrackerConfig& config, SerialLink& link, Reporter& reporter,
                    ToneCode code);

} // namespace wl3
