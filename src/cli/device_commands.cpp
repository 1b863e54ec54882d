#include "commands/device_commands.h"

#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/text_encoding.h"
#include "files/config_file.h"
#include "link/port_access.h"
#include "link/port_mapping.h"

#include <algorithm>

namespace wl3 {

namespace {

// The port chosen, watched by the command's progress.
SerialLink linkFor(const CommandContext& context, const PortChoice& port) {
    SerialLink link = makeLink(port, context.reporter);
    link.setObserver(context.progress);
    return link;
}

// Read Configuration, then the configuration saved to path. A .wl3 file keeps the
// tracker's bytes exactly, so that a backup restores what the tracker held; re-encoding
// the decoded record would move the quantised delays.
Status readAndSave(SerialLink& link, const std::filesystem::path& path, Reporter& reporter) {
    TrackerConfig config;
    TrackerImage image{};
    if (const Status read = readConfiguration(config, link, reporter, {}, &image);
        read != Status::Ok) {
        return read;
    }
    if (configFileKind(path) == ConfigFileKind::Json) {
        return saveConfiguration(path, config, reporter);
    }
    return saveConfigImage(path, image, reporter);
}

int exitCode(Status status) {
    return status == Status::Ok ? kExitOk : kExitFailed;
}

} // namespace

int runPorts(const CommandContext& context) {
    for (int portNumber = 1; portNumber <= 4; ++portNumber) {
        const std::string path = portDevicePath(portNumber);
        context.out << "COM" << portNumber << "  "
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
                    << (check.access == PortAccess::Allowed ? "you can open it"
                                                            : withoutControls(deniedReason(check)))
                    << '\n';
    }
    return finishOutput(context);
}

int runVersion(const CommandContext& context, const PortChoice& port) {
    SerialLink link = linkFor(context, port);
    std::string reply;
    if (queryTrackerVersion(link, reply) != Status::Ok) {
        return kExitFailed;
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
    SerialLink link = linkFor(context, port);
    return exitCode(readAndSave(link, output, context.reporter));
}

int runWrite(const CommandContext& context, const PortChoice& port,
             const std::filesystem::path& input, const std::filesystem::path& backup) {
    TrackerConfig config;
    if (loadConfiguration(input, config, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    SerialLink link = linkFor(context, port);
    // After the encoding, so that a configuration the encoder refuses costs no backup.
    const BeforeSending saveBackup = [&] {
        return backup.empty() ? Status::Ok : readAndSave(link, backup, context.reporter);
    };
    return exitCode(writeConfiguration(config, link, context.reporter, saveBackup));
}

int runTone(const CommandContext& context, const PortChoice& port, ToneCode code) {
    SerialLink link = linkFor(context, port);
    return exitCode(sendTestTone(TrackerConfig(), link, context.reporter, code));
}

} // namespace wl3
