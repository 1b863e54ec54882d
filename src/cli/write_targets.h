#pragma once

#include "cli/subcommands.h"
#include "commands/device_commands.h"
#include "config/config_image.h"
#include "config/tracker_config.h"

#include <filesystem>
#include <string>

// What wl3 write sends to each tracker, one tracker or several alike: a record and the image
// it stands on, checked before any tracker is touched and written by the one write of the
// command layer.
namespace wl3 {

struct WriteTarget {
    std::string place; // where the tracker was named: "--port", or a units file's row
    std::string port;
    TrackerConfig config;
    ConfigImage base{}; // the image config is written onto
    std::filesystem::path
        backupPath; // where the tracker's configuration goes first; empty for none
};

// wl3's words for values the tracker cannot hold as given: a line each, by key, under
// caption.
ReportUnholdable refusalByKey(const CommandContext& context, std::string_view caption);

// The configuration in input and the image it stands on: a .wl3 file's image as stored, so
// that what a row leaves alone keeps its bytes, or for JSON the defaults' image.
Status loadWriteBase(const CommandContext& context, const std::filesystem::path& input,
                     TrackerConfig& config, ConfigImage& base);

// Whether target's configuration can be written, as the write will find it; the reasons
// are reported.
Status checkWriteTarget(const CommandContext& context, const WriteTarget& target);

// Writes target to the tracker on link, after its backup when it has one. target.config
// then holds what the tracker keeps.
Status writeTarget(const CommandContext& context, SerialLink& link, WriteTarget& target);

} // namespace wl3
