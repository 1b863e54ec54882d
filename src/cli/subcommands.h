#pragma once

#include "cli/interrupt_count.h"
#include "cli/stderr_reporter.h"
#include "config/config_image.h"
#include "config/holdable_values.h"
#include "config/tracker_config.h"
#include "link/exchange_observer.h"
#include "link/port_choice.h"
#include "link/serial_link.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

// The subcommands of wl3 (show, export, import, ports, version, read, write, tone): each
// is a run of the shared layers below for one command line. The device ones are in
// device_subcommands.cpp, the rest in file_subcommands.cpp.
namespace wl3 {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// wl3 diff's, as diff(1)'s: the configurations differ, or could not be compared.
inline constexpr int kExitDiffer = 1;
inline constexpr int kExitTrouble = 2;

// Where a command puts its result (out, standard output, which an output file "-" names
// too), everything the window would show in a box, and the progress of its exchanges with
// the tracker.
struct CommandContext {
    std::ostream& out;
    LineReporter& reporter;
    ExchangeObserver& progress;
    bool outIsTerminal = false;
};

// Flushes context.out: kExitOk when all that was written to it arrived, else kExitFailed
// after reporting it (a full disk behind a redirection, say).
int finishOutput(const CommandContext& context);

// bytes on context.out, flushed as finishOutput does.
Status writeToOutput(const CommandContext& context, std::string_view bytes);

// Fails, after saying why, when a binary .wl3 file would go to a terminal, which the bytes
// would only garble: output "-" while standard output is one, or a path that leads to one
// (/dev/tty, /dev/stdout). Commands check it before they start.
Status checkBinaryOutput(const CommandContext& context, const std::filesystem::path& output);

// Fails, after reporting them, when config holds values that the tracker would store as
// something else.
Status refuseUnholdableValues(const CommandContext& context, const TrackerConfig& config);

// A configuration just read, image and its decoded config, saved to path (.wl3 as read, or
// .json; "-" puts the .wl3 file on context.out), as read and the backup of write do.
Status saveReadConfiguration(const CommandContext& context, const std::filesystem::path& path,
                             const ConfigImage& image, const TrackerConfig& config);

// Read Configuration into config, then saveReadConfiguration.
Status readAndSave(const CommandContext& context, SerialLink& link,
                   const std::filesystem::path& path, TrackerConfig& config);

// Each command returns the exit status: kExitOk, or kExitFailed after reporting why. An
// output "-" is standard output. The commands that talk to the tracker stop at the next
// byte on SIGINT, SIGTERM or SIGHUP and then return kExitInterrupted (kExitTerminated after
// SIGTERM, kExitHungUp after SIGHUP), after saying what became of the tracker.

// A configuration, .wl3 or JSON, both profiles side by side.
int runShow(const CommandContext& context, const std::filesystem::path& file);

// The advice on each file's record, a line each with its profile and key (after the file's
// name when there are several): kExitOk when there is none, kExitFailed when there is some
// or a file does not load.
int runCheck(const CommandContext& context, const std::vector<std::string>& files);

// A .wl3 file as JSON, to output or, when output is empty or "-", to context.out.
int runExport(const CommandContext& context, const std::filesystem::path& file,
              const std::filesystem::path& output);

// A JSON file encoded into the .wl3 file output.
// Status texts that the image would cut are refused unless allowCutText.
int runImport(const CommandContext& context, const std::filesystem::path& input,
              const std::filesystem::path& output, bool allowCutText);

// The devices the COM ports open on this machine, and every serial device found.
int runPorts(const CommandContext& context);

// The tracker's answer to the version query.
int runVersion(const CommandContext& context, const PortChoice& port);

// The tracker's configuration, verified by a second read, saved to output (.wl3 or .json;
// "-" puts the .wl3 file on standard output).
int runRead(const CommandContext& context, const PortChoice& port,
            const std::filesystem::path& output);

// The configuration in input (.wl3 or .json) written to the tracker and verified by reading
// it back. With a backup path, the tracker's configuration is first read and saved there,
// and nothing is written unless that succeeded; a backup that is the input is refused.
// Once the image has begun to go out, a first SIGINT or SIGTERM lets it finish and stops
// before the read-back; a second stops at once.
int runWrite(const CommandContext& context, const PortChoice& port,
             const std::filesystem::path& input, const std::filesystem::path& backupPath,
             bool allowCutText);

// Sends the tone through link; a tone other than the stop is followed by ToneKeepsSending.
Status sendToneAndWarn(const CommandContext& context, SerialLink& link, ToneCode code);

int runTone(const CommandContext& context, const PortChoice& port, ToneCode code);

// A configuration that wl3 diff compares: a .wl3 or JSON file, or the tracker on a port.
struct DiffSource {
    std::filesystem::path file;
    std::optional<PortChoice> port;
};

// What differs between first and second, field by field, on context.out (as JSON with
// json); nothing when they hold the same record. kExitOk when they do, kExitDiffer when
// not, kExitTrouble when either could not be had (or the interrupted status after Ctrl-C).
int runDiff(const CommandContext& context, const DiffSource& first, const DiffSource& second,
            bool json);

} // namespace wl3
