#include "cli/config_show.h"
#include "cli/subcommands.h"
#include "commands/device_commands.h"
#include "config/holdable_values.h"
#include "files/output_check.h"
#include "files/standard_streams.h"
#include "files/text_file.h"
#include "files/whole_file.h"
#include "formats/config_file.h"
#include "formats/config_io.h"
#include "formats/config_json.h"
#include "wording/wording.h"

namespace wl3 {

int finishOutput(const CommandContext& context) {
    if (!context.out.flush()) {
        context.reporter.report(OutputFailed{});
        return kExitFailed;
    }
    return kExitOk;
}

Status writeToOutput(const CommandContext& context, std::string_view bytes) {
    context.out << bytes;
    return finishOutput(context) == kExitOk ? Status::Ok : Status::Failed;
}

Status checkBinaryOutput(const CommandContext& context, const std::filesystem::path& output) {
    const bool standardOutput = isStandardStream(output);
    if (standardOutput ? !context.outIsTerminal
                       : output.empty() || configFileKind(output) == ConfigFileKind::Json ||
                             !namesTerminal(output)) {
        return Status::Ok;
    }
    context.reporter.report(FileFailed{FileAction::Save,
                                       FileStep::Open,
                                       standardOutput ? "-" : output.string(),
                                       {FileProblem::Terminal}});
    return Status::Failed;
}

Status refuseUnholdableValues(const CommandContext& context, const TrackerConfig& config) {
    auto values = findUnholdableValues(config);
    if (values.empty()) {
        return Status::Ok;
    }
    context.reporter.report(ValuesRefused{RefusedAction::Save, std::move(values)});
    return Status::Failed;
}

int runShow(const CommandContext& context, const std::filesystem::path& file) {
    TrackerConfig config;
    if (checkOutputIsNotInput(file, "-", context.reporter) != Status::Ok ||
        loadConfiguration(file, config, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    context.out << formatConfig(config);
    return finishOutput(context);
}

int runCheck(const CommandContext& context, const std::vector<std::string>& files) {
    bool clean = true;
    for (const std::string& file : files) {
        TrackerConfig config;
        if (loadConfiguration(file, config, context.reporter) != Status::Ok) {
            clean = false;
            continue;
        }
        for (const Advice& advice : adviceOn(config)) {
            context.out << (files.size() > 1 ? file + ": " : std::string())
                        << english(adviceWording(advice)) << '\n';
            clean = false;
        }
    }
    const int written = finishOutput(context);
    return clean ? written : kExitFailed;
}

int runExport(const CommandContext& context, const std::filesystem::path& file,
              const std::filesystem::path& output) {
    TrackerConfig config;
    if (checkOutputIsNotInput(file, output.empty() ? "-" : output, context.reporter) !=
            Status::Ok ||
        loadConfigFile(file, config, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    const std::string json = configToJsonText(config);
    if (output.empty() || isStandardStream(output)) {
        context.out << json;
        return finishOutput(context);
    }
    return writeTextFile(output, json, context.reporter) == Status::Ok ? kExitOk : kExitFailed;
}

int runImport(const CommandContext& context, const std::filesystem::path& input,
              const std::filesystem::path& output, bool allowCutText) {
    TrackerConfig config;
    if (checkBinaryOutput(context, output) != Status::Ok ||
        checkOutputIsNotInput(input, output, context.reporter) != Status::Ok ||
        loadJsonConfiguration(input, config, context.reporter) != Status::Ok ||
        refuseUnholdableValues(context, config) != Status::Ok ||
        (!allowCutText && refuseCutTexts(config, context.reporter) != Status::Ok)) {
        return kExitFailed;
    }
    bool stored = false;
    if (isStandardStream(output)) {
        const auto bytes = encodeConfigFile(config, context.reporter);
        stored = bytes && writeToOutput(context, *bytes) == Status::Ok;
    } else {
        stored = saveConfigFile(output, config, context.reporter) == Status::Ok;
    }
    if (stored && allowCutText) {
        reportCutTexts(config, context.reporter);
    }
    return stored ? kExitOk : kExitFailed;
}

} // namespace wl3
