#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/text_encoding.h"
#include "config/config_image.h"
#include "files/config_file.h"
#include "link/port_mapping.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace wl3 {

namespace {

// The version reply buffer of the window's commands: at most 29 characters of reply.
using VersionReply = std::array<char, 30>;
using ImageBuffer = std::array<std::uint8_t, kImageBufferSize>;

constexpr std::string_view kReadCaption = "Wrenlink3 Read";

Status checkTracker(SerialLink& link, VersionReply& reply, Progress& progress) {
    progress.phase("Asking the tracker for its version");
    return link.queryVersion(reply);
}

// Read Configuration of the window: version query, the image read twice and compared,
// exactly 128 bytes accepted into image, decoded into config.
Status readTracker(SerialLink& link, ImageBuffer& image, TrackerConfig& config, Reporter& reporter,
                   Progress& progress) {
    VersionReply reply{};
    if (checkTracker(link, reply, progress) != Status::Ok) {
        return Status::Failed;
    }
    progress.phase("Reading the configuration (twice, to verify)");
    if (link.readImage(image) != kImageSize ||
        decodeImage(config, std::span(image).first(kImageSize), reporter) != Status::Ok) {
        reporter.message(kReadCaption, "Read Failed");
        return Status::Failed;
    }
    reporter.message(kReadCaption, "Read Successful");
    return Status::Ok;
}

// A .wl3 file keeps the tracker's bytes exactly, so that a backup restores what the
// tracker held; re-encoding the decoded record would move the quantised delays.
Status saveTrackerImage(const std::filesystem::path& path, const ImageBuffer& image,
                        TrackerConfig& config, Reporter& reporter) {
    if (configFileKind(path) == ConfigFileKind::Json) {
        return saveConfiguration(path, config, reporter);
    }
    return saveConfigImage(path, std::span(image).first<kImageSize>(), reporter);
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
        context.out << line << '\n';
    }
    return finishOutput(context);
}

int runVersion(const CommandContext& context, const PortChoice& port) {
    SerialLink link = makeLink(port, context.reporter);
    VersionReply reply{};
    if (checkTracker(link, reply, context.progress) != Status::Ok) {
        return kExitFailed;
    }
    std::string_view text(reply.data());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    context.out << printableText(text) << '\n';
    return finishOutput(context);
}

int runRead(const CommandContext& context, const PortChoice& port,
            const std::filesystem::path& output) {
    SerialLink link = makeLink(port, context.reporter);
    ImageBuffer image{};
    TrackerConfig config;
    if (readTracker(link, image, config, context.reporter, context.progress) != Status::Ok) {
        return kExitFailed;
    }
    return exitCode(saveTrackerImage(output, image, config, context.reporter));
}

int runWrite(const CommandContext& context, const PortChoice& port,
             const std::filesystem::path& input, const std::filesystem::path& backup) {
    TrackerConfig config;
    if (loadConfiguration(input, config, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    // Encoded before the tracker is touched: a configuration the encoder refuses costs
    // neither a backup nor an exchange.
    ImageBuffer image{};
    const int length = encodeImage(config, image, context.reporter);
    if (length != kImageSize) {
        return kExitFailed;
    }
    const auto written = std::span(image).first(static_cast<std::size_t>(length));

    SerialLink link = makeLink(port, context.reporter);
    if (!backup.empty()) {
        ImageBuffer current{};
        TrackerConfig decoded;
        if (readTracker(link, current, decoded, context.reporter, context.progress) != Status::Ok ||
            saveTrackerImage(backup, current, decoded, context.reporter) != Status::Ok) {
            return kExitFailed;
        }
    }
    VersionReply reply{};
    if (checkTracker(link, reply, context.progress) != Status::Ok) {
        return kExitFailed;
    }
    context.progress.phase("Writing the configuration, then reading it back to verify");
    if (link.writeImage(written) != Status::Ok ||
        decodeImage(config, written, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    context.reporter.message("Wrenlink3 Write", "Write Successful");
    return kExitOk;
}

int runTone(const CommandContext& context, const PortChoice& port, ToneCode code) {
    SerialLink link = makeLink(port, context.reporter);
    return exitCode(link.sendTone(code));
}

} // namespace wl3
