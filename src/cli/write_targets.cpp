#include "cli/write_targets.h"

#include "formats/config_io.h"

#include <optional>

namespace wl3 {

Status loadWriteBase(const CommandContext& context, const std::filesystem::path& input,
                     TrackerConfig& config, ConfigImage& base) {
    std::optional<ConfigImage> stored;
    if (loadConfiguration(input, config, context.reporter, &stored) != Status::Ok) {
        return Status::Failed;
    }
    base = stored.value_or(defaultImage());
    return Status::Ok;
}

Status prepareTarget(const CommandContext& context, WriteTarget& target, const ConfigImage& base,
                     RefusedAction action) {
    // A comparison shows what the write would store, cut texts and all.
    if (action == RefusedAction::Write && !target.allowCutText &&
        refuseCutTexts(target.config, context.reporter) != Status::Ok) {
        return Status::Failed;
    }
    const PreparedImage prepared = prepareImage(target.config, base);
    if (reportPrepared(prepared, action, context.reporter) != Status::Ok) {
        return Status::Failed;
    }
    target.image = *prepared.image;
    return Status::Ok;
}

Status writeTarget(const CommandContext& context, SerialLink& link, WriteTarget& target) {
    WriteSteps steps;
    if (!target.backupPath.empty()) {
        steps.backup = [&](const ConfigImage& held, const TrackerConfig& record) {
            const Status saved = saveReadConfiguration(context, target.backupPath, held, record);
            if (saved == Status::Ok) {
                context.reporter.report(BackupSaved{target.backupPath.string()});
            }
            return saved;
        };
    }
    const TrackerConfig given = target.config; // the write replaces it with what was stored
    const Status status =
        writeConfiguration(target.config, target.image, link, context.reporter, steps);
    if (status == Status::Ok && target.allowCutText) {
        reportCutTexts(given, context.reporter);
    }
    return status;
}

} // namespace wl3
