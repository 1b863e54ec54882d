#include "cli/config_diff.h"
#include "cli/interrupts.h"
#include "cli/subcommands.h"
#include "commands/compared_image.h"
#include "commands/device_commands.h"
#include "config/config_comparison.h"
#include "files/output_check.h"
#include "link/make_link.h"

namespace wl3 {

namespace {

// The image that source stands for: a file's, or what the tracker holds, read twice as Read
// Configuration reads it. Nothing when it could not be had, after saying why, or after a stop,
// whose exit status goes to stoppedStatus.
std::optional<ConfigImage> imageOf(const CommandContext& context, const DiffSource& source,
                                   int& stoppedStatus) {
    if (!source.port) {
        return imageOfFile(source.file, context.reporter);
    }
    InterruptibleExchanges exchanges(context.progress, context.reporter);
    SerialLink link = makeLink(*source.port, context.reporter, exchanges);
    TrackerConfig config;
    ConfigImage image{};
    const Status status = readTrackerImage(config, link, context.reporter, image);
    if (status == Status::Stopped) {
        context.reporter.report(exchanges.stopOutcome());
        stoppedStatus = exchanges.stoppedExitStatus();
    }
    return status == Status::Ok ? std::optional(image) : std::nullopt;
}

} // namespace

int runDiff(const CommandContext& context, const DiffSource& first, const DiffSource& second,
            bool json) {
    std::vector<RunFile> inputs;
    for (const DiffSource* source : {&first, &second}) {
        if (!source->port) {
            inputs.push_back({source->file, {RunFileKind::InputFile}});
        }
    }
    if (checkOutputPlan({{"-", {RunFileKind::Output}}}, inputs, context.reporter) != Status::Ok) {
        return kExitTrouble;
    }
    int stopped = kExitOk;
    const auto firstImage = imageOf(context, first, stopped);
    const auto secondImage = firstImage ? imageOf(context, second, stopped) : std::nullopt;
    if (!secondImage) {
        return stopped != kExitOk ? stopped : kExitTrouble;
    }
    const ConfigComparison comparison = compareConfigurations(*firstImage, *secondImage);
    context.out << (json ? differencesToJsonText(comparison) : formatDifferences(comparison));
    if (finishOutput(context) != kExitOk) {
        return kExitTrouble;
    }
    return comparison.sameRecord() ? kExitOk : kExitDiffer;
}

} // namespace wl3
