#pragma once

#include "cli/subcommands.h"
#include "commands/device_commands.h"
#include "config/config_image.h"
#include "config/tracker_config.h"

#include <filesystem>
#include <string>

// What wl3 write sends to each tracker, one tracker or several alike: a record and the image
// prepared from it before any tracker is touched, written by the one write of the command
// layer.
namespace wl3 {

struct WriteTarget {
    std::string place; // where the tracker was named: "--port", or a units file's row
    std::string port;
    TrackerConfig config;
    ConfigImage image{}; // what the write sends, once prepared
    std::filesystem::path
        backupPath;            // where the tracker's configuration goes first; empty for none
    bool allowCutText = false; // else a status text the image would cut is refused
};

// The configuration in input and the image it stands on: a .wl3 file's image as stored, so
// that what a row leaves alone keeps its bytes, or for JSON the defaults' image.
Status loadWriteBase(const CommandContext& context, const std::filesystem::path& input,
                     TrackerConfig& config, ConfigImage& base);

// Prepares target's image from its configuration written onto base; when the tracker could
// not hold it, or a write would cut a status text that target does not allow cut, fails
// after saying why, under action's caption.
Status prepareTarget(const CommandContext& context, WriteTarget& target, const ConfigImage& base,
                     RefusedAction action = RefusedAction::Write);

// Writes target's image to the tracker on link, after its backup when it has one. target.config
// then holds what the tracker keeps.
Status writeTarget(const CommandContext& context, SerialLink& link, WriteTarget& target);

} // namespace wl3
