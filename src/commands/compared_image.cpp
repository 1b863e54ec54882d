#include "commands/compared_image.h"

#include "commands/device_commands.h"
#include "formats/config_io.h"

namespace wl3 {

std::optional<ConfigImage> imageOfFile(const std::filesystem::path& path, Reporter& reporter) {
    TrackerConfig config;
    std::optional<ConfigImage> stored;
    if (loadConfiguration(path, config, reporter, &stored) != Status::Ok) {
        return std::nullopt;
    }
    if (stored) {
        return stored;
    }
    const PreparedImage prepared = prepareImage(config, defaultImage());
    if (reportPrepared(prepared, RefusedAction::Compare, reporter) != Status::Ok) {
        return std::nullopt;
    }
    return prepared.image;
}

} // namespace wl3
