#include "cli/interrupts.h"
#include "cli/subcommands.h"
#include "cli/write_targets.h"
#include "commands/device_commands.h"
#include "files/output_check.h"
#include "files/whole_file.h"
#include "formats/config_file.h"
#include "formats/config_io.h"
#include "formats/text_encoding.h"
#include "link/make_link.h"
#include "link/port_access.h"
#include "link/port_mapping.h"
#include "wording/wording.h"

#include <algorithm>

namespace wl3 {

// A .wl3 file keeps the tracker's bytes exactly, so that a backup restores what the
// tracker held; re-encoding the decoded record would move the quantised delays.
Status saveReadConfiguration(const CommandContext& context, const std::filesystem::path& path,
                             const ConfigImage& image, const TrackerConfig& config) {
    if (isStandardStream(path)) {
        return writeToOutput(context, configFileBytes(image));
    }
    if (configFileKind(path) == ConfigFileKind::Json) {
        TrackerConfig saved = config;
        return saveConfiguration(path, saved, context.reporter);
    }
    return saveConfigImage(path, image, context.reporter);
}

Status readAndSave(const CommandContext& context, SerialLink& link,
                   const std::filesystem::path& path, TrackerConfig& config) {
    ConfigImage image{};
    if (const Status read = readConfiguration(config, link, context.reporter, {}, &image);
        read != Status::Ok) {
        return read;
    }
    return saveReadConfiguration(context, path, image, config);
}

namespace {

Status readAndSave(const CommandContext& context, SerialLink& link,
                   const std::filesystem::path& path) {
    TrackerConfig config;
    return readAndSave(context, link, path, config);
}

// The exit status of a command that talked to the tracker; an interrupted one says what
// became of the tracker, which may be half-written.
int exitCode(const CommandContext& context, Status status,
             const InterruptibleExchanges& exchanges) {
    switch (status) {
    case Status::Ok:
        return kExitOk;
    case Status::Failed:
        return kExitFailed;
    case Status::Stopped:
        break;
    }
    context.reporter.report(exchanges.stopOutcome());
    return exchanges.stoppedExitStatus();
}

} // namespace

int runPorts(const CommandContext& context) {
    for (int portNumber = 1; portNumber <= kComPortCount; ++portNumber) {
        const std::string path = deviceFor(PortChoice{portNumber, {}});
        context.out << comPortName(portNumber) << "  "
                    << (path.empty() ? "(no device)" : withoutControls(path)) << '\n';
    }
    const auto devices = listSerialDevices();
    context.out << '\n';
    if (devices.empty()) {
        context.out << "No serial devices found.\n";
    } else {
        context.out << "Serial devices found:\n";
    }
    std::size_t pathWidth = 0;
    for (const auto& device : devices) {
        pathWidth = std::max(pathWidth, device.path.size());
    }
    for (const auto& device : devices) {
        std::string line = "  " + withoutControls(device.path);
        if (!device.description.empty()) {
            line.append(pathWidth + 4 - line.size(), ' ');
            line += withoutControls(device.description);
        }
        const PortAccessCheck check = checkPortAccess(device.path);
        context.out << line << '\n'
                    << std::string(pathWidth + 4, ' ')
                    << (check.access == PortAccess::Allowed
                            ? "you can open it"
                            : withoutControls(english(accessWording(check))))
                    << '\n';
    }
    return finishOutput(context);
}

int runVersion(const CommandContext& context, const PortChoice& port) {
    InterruptibleExchanges exchanges(context.progress, context.reporter);
    SerialLink link = makeLink(port, context.reporter, exchanges);
    std::string reply;
    if (const Status status = queryTrackerVersion(link, reply); status != Status::Ok) {
        return exitCode(context, status, exchanges);
    }
    std::string_view text(reply);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    context.out << printableText(text) << '\n';
    return finishOutput(context);
}

int runRead(const CommandContext& context, const PortChoice& port,
            const std::filesystem::path& output) {
    if (checkBinaryOutput(context, output) != Status::Ok ||
        checkOutputPlan({{output, {RunFileKind::Output}}}, {}, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    InterruptibleExchanges exchanges(context.progress, context.reporter);
    SerialLink link = makeLink(port, context.reporter, exchanges);
    return exitCode(context, readAndSave(context, link, output), exchanges);
}

// The same target and write as a fleet's, for one tracker, with its progress as the other
// single commands show theirs.
int runWrite(const CommandContext& context, const PortChoice& port,
             const std::filesystem::path& input, const std::filesystem::path& backupPath,
             bool allowCutText) {
    WriteTarget target{"--port", {}, {}, {}, backupPath, allowCutText};
    ConfigImage base{};
    if (checkBinaryOutput(context, backupPath) != Status::Ok ||
        checkOutputIsNotInput(input, backupPath, context.reporter) != Status::Ok ||
        loadWriteBase(context, input, target.config, base) != Status::Ok ||
        prepareTarget(context, target, base) != Status::Ok) {
        return kExitFailed;
    }
    InterruptibleExchanges exchanges(context.progress, context.reporter);
    SerialLink link = makeLink(port, context.reporter, exchanges);
    return exitCode(context, writeTarget(context, link, target), exchanges);
}

Status sendToneAndWarn(const CommandContext& context, SerialLink& link, ToneCode code) {
    // wl3 sends no calibration: the tracker tests with the one it holds.
    const Status status = sendTestTone(Calibration::Written, link, context.reporter, code);
    // On real hardware a tone keys the radio's transmitter.
    if (status == Status::Ok && code != ToneCode::Stop) {
        context.reporter.report(ToneKeepsSending{});
    }
    return status;
}

int runTone(const CommandContext& context, const PortChoice& port, ToneCode code) {
    InterruptibleExchanges exchanges(context.progress, context.reporter);
    SerialLink link = makeLink(port, context.reporter, exchanges);
    return exitCode(context, sendToneAndWarn(context, link, code), exchanges);
}

} // namespace wl3
