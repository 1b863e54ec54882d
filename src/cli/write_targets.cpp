#include "cli/write_targets.h"

#include "formats/config_io.h"

#include <optional>

namespace wl3 {

ReportUnholdable refusalByKey(const CommandContext& context, std::string_view caption) {
    return [&context, caption](const std::vector<UnholdableValue>& values) {
        reportUnholdableValues(context, values, caption);
    };
}

Status loadWriteBase(const CommandContext& context, const std::filesystem::path& input,
                     TrackerConfig& config, ConfigImage& base) {
    std::optional<ConfigImage> stored;
    if (loadConfiguration(input, config, context.reporter, &stored) != Status::Ok) {
        return Status::Failed;
    }
    base = stored.value_or(defaultImage());
    return Status::Ok;
}

Status checkWriteTarget(const CommandContext& context, const WriteTarget& target) {
    TrackerConfig config = target.config;
    return imageToWrite(config, target.base, context.reporter, refusalByKey(context, kWriteCaption))
               ? Status::Ok
               : Status::Failed;
}

Status writeTarget(const CommandContext& context, SerialLink& link, WriteTarget& target) {
    WriteSteps steps{refusalByKey(context, kWriteCaption), {}, {}, nullptr};
    if (!target.backupPath.empty()) {
        steps.backup = [&](const ConfigImage& held, const TrackerConfig& record) {
            return saveReadConfiguration(context, target.backupPath, held, record);
        };
    }
    return writeConfiguration(target.config, target.base, link, context.reporter, steps);
}

} // namespace wl3
