#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/config_json.h"
#include "cli/config_show.h"
#include "cli/text_file.h"
#include "files/config_file.h"
#include "files/output_check.h"

namespace wl3 {

int finishOutput(const CommandContext& context) {
    if (!context.out.flush()) {
        context.reporter.errorBox("Failed to write to standard output");
        return kExitFailed;
    }
    return kExitOk;
}

int runShow(const CommandContext& context, const std::filesystem::path& file) {
    TrackerConfig config;
    if (loadConfiguration(file, config, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    context.out << formatConfig(config);
    return finishOutput(context);
}

int runExport(const CommandContext& context, const std::filesystem::path& file,
              const std::filesystem::path& output) {
    TrackerConfig config;
    if (checkOutputIsNotInput(file, output, context.reporter) != Status::Ok ||
        loadConfigFile(file, config, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    const std::string json = configToJsonText(config);
    if (output.empty()) {
        context.out << json;
        return finishOutput(context);
    }
    return writeTextFile(output, json, context.reporter) == Status::Ok ? kExitOk : kExitFailed;
}

int runImport(const CommandContext& context, const std::filesystem::path& input,
              const std::filesystem::path& output) {
    TrackerConfig config;
    if (checkOutputIsNotInput(input, output, context.reporter) != Status::Ok ||
        loadJsonConfiguration(input, config, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    return saveConfigFile(output, config, context.reporter) == Status::Ok ? kExitOk : kExitFailed;
}

} // namespace wl3
