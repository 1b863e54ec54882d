#pragma once

#include "commands/port_choice.h"
#include "config/reporter.h"
#include "link/exchange_observer.h"
#include "link/serial_link.h"

#include <filesystem>
#include <ostream>

namespace wl3 {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Where a command puts its result (out), everything the window would show in a box, and
// the progress of its exchanges with the tracker.
struct CommandContext {
    std::ostream& out;
    Reporter& reporter;
    ExchangeObserver& progress;
};

// Flushes context.out: kExitOk when all that was written to it arrived, else kExitFailed
// after reporting it (a full disk behind a redirection, say).
int finishOutput(const CommandContext& context);

// Each command returns the exit status: kExitOk, or kExitFailed after reporting why.

// A configuration, .wl3 or JSON, both profiles side by side.
int runShow(const CommandContext& context, const std::filesystem::path& file);

// A .wl3 file as JSON, to output or, when output is empty, to context.out.
int runExport(const CommandContext& context, const std::filesystem::path& file,
              const std::filesystem::path& output);

// A JSON file encoded into the .wl3 file output.
int runImport(const CommandContext& context, const std::filesystem::path& input,
              const std::filesystem::path& output);

// The devices COM1 to COM4 open on this machine, and every serial device found.
int runPorts(const CommandContext& context);

// The tracker's answer to the version query.
int runVersion(const CommandContext& context, const PortChoice& port);

// The tracker's configuration, verified by a second read, saved to output (.wl3 or .json).
int runRead(const CommandContext& context, const PortChoice& port,
            const std::filesystem::path& output);

// The configuration in input (.wl3 or .json) written to the tracker and verified by reading
// it back. With a backup path, the tracker's configuration is first read and saved there,
// and nothing is written unless that succeeded.
int runWrite(const CommandContext& context, const PortChoice& port,
             const std::filesystem::path& input, const std::filesystem::path& backup);

int runTone(const CommandContext& context, const PortChoice& port, ToneCode code);

} // namespace wl3
