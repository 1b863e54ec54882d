#include "cli/cli_app.h"

#include "cli/fleet_ports.h"
#include "cli/fleet_subcommands.h"
#include "cli/port_watch.h"
#include "cli/progress.h"
#include "cli/stderr_reporter.h"
#include "cli/subcommands.h"
#include "formats/config_io.h"
#include "wording/wording.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <map>
#include <new>

namespace wl3 {

namespace {

constexpr std::string_view kFooter =
    "Exit status: 0 on success, 1 when the command failed, 2 for a usage error, 130 when "
    "Ctrl-C stopped an exchange with the tracker (143 after SIGTERM, 129 when the terminal "
    "hung up). Messages "
    "are the window's, one per line on stderr; a captioned one reads \"Caption: text\". A file "
    "named \"-\" is stdin or stdout. "
    "Run \"wl3 COMMAND --help\" for the options of a command, and see wl3(1).";

// Built on first use, where a failure to allocate can be caught, not before main.
const std::map<std::string, ToneCode>& tones() {
    static const std::map<std::string, ToneCode> names{
        {"1200", ToneCode::Send1200Hz},
        {"2200", ToneCode::Send2200Hz},
        {"both", ToneCode::SendBoth},
        {"stop", ToneCode::Stop},
    };
    return names;
}

// CLI11 sets a description beside its option in a column of its own without wrapping it;
// the help must still read in an 80-column terminal.
std::string wrapped(std::string_view text, std::size_t width = 48) {
    std::string out;
    std::size_t lineLength = 0;
    while (!text.empty()) {
        const auto wordEnd = std::min(text.find(' '), text.size());
        const auto word = text.substr(0, wordEnd);
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            out += '\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
        text.remove_prefix(std::min(wordEnd + 1, text.size()));
    }
    return out;
}

// A command's own notes, then what holds for every command.
std::string footer(std::string_view notes) {
    std::string text = wrapped(notes, 78);
    if (!text.empty()) {
        text += "\n\n";
    }
    return text + wrapped(kFooter, 78);
}

// CLI11's checks: empty when the text will do, else why not.
std::string checkConfigFileName(const std::string& path) {
    return namesConfigFile(path) ? std::string() : english(fileNameRefusal(path));
}

std::string checkPortChoice(const std::string& text) {
    return parsePortChoice(text) ? std::string() : english(portChoiceRefusal(text));
}

CLI::Validator configFileName() {
    return CLI::Validator(checkConfigFileName, "");
}

// A .wl3 or JSON file, or a folder for a file per tracker.
CLI::Validator configFileOrFolder() {
    return CLI::Validator(
        [](const std::string& path) {
            return namesFolder(path) ? std::string() : checkConfigFileName(path);
        },
        "");
}

// Without a --port, a command for one tracker talks to COM1; diff's ports are what it
// compares, and a file alone has its own default.
enum class PortDefault { Com1, None };

CLI::Option* addPortOption(CLI::App& command, std::vector<std::string>& ports,
                           PortDefault portDefault = PortDefault::Com1) {
    auto* option =
        command
            .add_option("-p,--port", ports,
                        wrapped("The serial port: " + english(comPortRangeWording()) +
                                ", mapped to this machine's devices as the window maps them (see "
                                "\"wl3 ports\"), or a device path such as /dev/ttyUSB0. Given "
                                "again, for several trackers at once; \"usb\" names every USB "
                                "serial adapter plugged in"))
            ->check(CLI::Validator(checkPortChoice, ""))
            ->type_name("PORT")
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
            ->allow_extra_args(false);
    if (portDefault == PortDefault::Com1) {
        option->default_val(comPortName(1));
    }
    return option;
}

void addReportOption(CLI::App& command, std::string& report) {
    command
        .add_option("--report", report,
                    wrapped("With several trackers: also write the table of results to this "
                            "CSV file"))
        ->type_name("FILE.csv");
}

CLI::Option* addFileOption(CLI::App& command, std::string name, std::string& file,
                           std::string_view description) {
    const bool positional = name.front() != '-';
    return command.add_option(std::move(name), file, wrapped(description))
        ->type_name(positional ? "" : "FILE");
}

// Several trackers cannot share one file.
int refuseFileForSeveral(const CommandContext& context, std::string_view option) {
    context.reporter.report(FileForSeveral{std::string(option)});
    return kExitUsage;
}

// What the subcommands share: where a run's results, messages and progress go, the values
// of the options (only the chosen subcommand's are set) and the exit status of its run.
struct CommandLine {
    const CommandContext& context;
    std::ostream& err;
    bool errIsTerminal;
    std::string file{};
    std::vector<std::string> files{};
    std::string output{};
    std::string backupPath{};
    std::vector<std::string> ports{};
    std::string units{};
    std::string report{};
    std::string tone{};
    bool watch = false;
    bool json = false;
    bool allowCutText = false;
    int status = kExitOk;
};

// The port of a command for one tracker, which --port's check has let through.
PortChoice portChoice(const CommandLine& line) {
    return checkedPortChoice(line.ports.front());
}

// Several ports, a folder for a file per tracker, a units file or a report make a command for
// several trackers; anything else is the command for one, as it always was.
bool forSeveralTrackers(const CommandLine& line) {
    return namesSeveralPorts(line.ports) || !line.units.empty() || !line.report.empty() ||
           (!line.output.empty() && namesFolder(line.output)) ||
           (!line.backupPath.empty() && namesFolder(line.backupPath));
}

// -o is the folder of a read's files, --backup that of a write's backups.
FleetRequest fleetRequest(const CommandLine& line) {
    FleetRequest request{line.ports,  line.output, line.backupPath,   line.units,
                         line.report, line.err,    line.errIsTerminal};
    request.allowCutText = line.allowCutText;
    return request;
}

// Status text the image would cut is refused unless the user accepts the cut.
void addAllowCutTextFlag(CLI::App& command, CommandLine& line) {
    command.add_flag("--allow-cut-text", line.allowCutText,
                     "Store status texts cut to fit, with a warning");
}

void addCheckCommand(CLI::App& app, CommandLine& line) {
    auto* check = app.add_subcommand("check", "Advise on configurations, never refusing them");
    check->footer(
        footer("Prints a line for each piece of advice: a missing or placeholder callsign, an "
               "obsolete path element, more than two hops, a fast beacon rate, SmartBeaconing "
               "speeds or rates the wrong way round, the Emergency message. Exit status 0 when "
               "there is none, 1 when there is some."));
    check->add_option("FILE", line.files, wrapped("Configurations: .wl3 files or their JSON form"))
        ->required()
        ->check(configFileName())
        ->type_name("");
    check->callback([&line] { line.status = runCheck(line.context, line.files); });
}

void addShowCommand(CLI::App& app, CommandLine& line) {
    auto* show = app.add_subcommand("show", "Show a configuration, both profiles side by side");
    show->footer(footer("Shows the window's labels and list texts, then the calibration; "
                        "long texts wrap within their column."));
    addFileOption(*show, "FILE", line.file, "The configuration: a .wl3 file or its JSON form")
        ->required()
        ->check(configFileName());
    show->callback([&line] { line.status = runShow(line.context, line.file); });
}

void addExportCommand(CLI::App& app, CommandLine& line) {
    auto* exportCommand = app.add_subcommand("export", "Convert a .wl3 file into JSON");
    exportCommand->footer(
        footer("The JSON holds \"calibration\", then \"primary\" and \"secondary\" with every "
               "field of the profile; see wl3(1)."));
    addFileOption(*exportCommand, "FILE", line.file, "The .wl3 file")->required();
    addFileOption(*exportCommand, "-o,--output", line.output,
                  "Write the JSON to this file (replaced whole or not at all) rather than to "
                  "stdout");
    exportCommand->callback(
        [&line] { line.status = runExport(line.context, line.file, line.output); });
}

void addImportCommand(CLI::App& app, CommandLine& line) {
    auto* importCommand = app.add_subcommand("import", "Convert JSON into a .wl3 file");
    importCommand->footer(footer(
        "Keys left out keep their defaults. Status texts that the tracker's memory would cut "
        "are refused, saying how many characters fit, unless --allow-cut-text is given; then "
        "the image encoder's warning about truncated status text goes to stderr. When the "
        "encoder refuses, no file is written."));
    addFileOption(*importCommand, "IN", line.file, "The JSON file")->required();
    addFileOption(*importCommand, "-o,--output", line.output,
                  "The .wl3 file to write (replaced whole, or left as it was on failure)")
        ->required();
    addAllowCutTextFlag(*importCommand, line);
    importCommand->callback([&line] {
        line.status = runImport(line.context, line.file, line.output, line.allowCutText);
    });
}

void addPortsCommand(CLI::App& app, CommandLine& line) {
    auto* ports = app.add_subcommand("ports", "List " + english(comPortRangeWording()) +
                                                  " and the serial devices found");
    ports->footer(footer("Linux: COMn opens the n-th serial device: first the USB adapters "
                         "(/dev/ttyUSB*, then /dev/ttyACM*), then the built-in /dev/ttyS*, "
                         "then /dev/ttyAMA* (a Raspberry Pi's UART)."));
    auto* watch = ports->add_flag(
        "--watch", line.watch,
        wrapped("Rather than the list, a line per serial device that comes or goes, until "
                "Ctrl-C"));
    ports->add_flag("--json", line.json, "With --watch, a JSON object per line")->needs(watch);
    ports->callback([&line] {
        line.status = line.watch ? runPortWatch(line.context, line.json) : runPorts(line.context);
    });
}

void addVersionCommand(CLI::App& app, CommandLine& line) {
    auto* version = app.add_subcommand("version", "Ask the tracker for its version");
    version->footer(footer("Prints the tracker's reply to the version query on stdout."));
    addPortOption(*version, line.ports);
    addReportOption(*version, line.report);
    version->callback([&line] {
        line.status = forSeveralTrackers(line) ? runFleetVersion(line.context, fleetRequest(line))
                                               : runVersion(line.context, portChoice(line));
    });
}

void addReadCommand(CLI::App& app, CommandLine& line) {
    auto* read = app.add_subcommand("read", "Read the tracker's configuration into a file");
    read->footer(footer("The image is read twice and the two must agree, as for the "
                        "window's Read Configuration button."));
    addPortOption(*read, line.ports);
    addFileOption(*read, "-o,--output", line.output,
                  "The file to write: .wl3, or .json for JSON; a folder (DIR/) for a .wl3 "
                  "file per tracker, named after its port")
        ->required()
        ->check(configFileOrFolder());
    addReportOption(*read, line.report);
    read->callback([&line] {
        const bool fleet = forSeveralTrackers(line);
        if (fleet && !namesFolder(line.output)) {
            line.status = refuseFileForSeveral(line.context, "-o");
            return;
        }
        line.status = fleet ? runFleetRead(line.context, fleetRequest(line))
                            : runRead(line.context, portChoice(line), line.output);
    });
}

void addWriteCommand(CLI::App& app, CommandLine& line) {
    auto* write = app.add_subcommand("write", "Write a configuration to the tracker");
    write->footer(footer("The image is written, then read back and compared, as for the "
                         "window's Write Configuration button."));
    addPortOption(*write, line.ports);
    addFileOption(*write, "FILE", line.file, "The configuration: a .wl3 file or its JSON form")
        ->required()
        ->check(configFileName());
    addFileOption(*write, "--backup", line.backupPath,
                  "First read the tracker's configuration and save it to this file (.wl3 or "
                  ".json), or to a folder (DIR/) as a .wl3 file per tracker; nothing is "
                  "written unless that succeeded")
        ->check(configFileOrFolder());
    addFileOption(*write, "--units", line.units,
                  "A CSV file with a row per tracker: a \"port\" column and keys of the JSON "
                  "form (primary.callsign, calibration), whose values go on top of FILE")
        ->excludes(write->get_option("--port"));
    addReportOption(*write, line.report);
    addAllowCutTextFlag(*write, line);
    write->callback([&line] {
        const bool fleet = forSeveralTrackers(line);
        if (fleet && !line.backupPath.empty() && !namesFolder(line.backupPath)) {
            line.status = refuseFileForSeveral(line.context, "--backup");
            return;
        }
        line.status = fleet ? runFleetWrite(line.context, fleetRequest(line), line.file)
                            : runWrite(line.context, portChoice(line), line.file, line.backupPath,
                                       line.allowCutText);
    });
}

// Files first, then trackers; one file alone is compared with the tracker on COM1.
std::vector<DiffSource> diffSources(const CommandLine& line) {
    std::vector<DiffSource> sources;
    std::ranges::transform(line.files, std::back_inserter(sources), [](const std::string& file) {
        return DiffSource{file, std::nullopt};
    });
    std::ranges::transform(line.ports, std::back_inserter(sources), [](const std::string& port) {
        return DiffSource{{}, checkedPortChoice(port)};
    });
    if (line.files.size() == 1 && line.ports.empty()) {
        sources.push_back({{}, checkedPortChoice(comPortName(1))});
    }
    return sources;
}

void addDiffCommand(CLI::App& app, CommandLine& line) {
    auto* diff = app.add_subcommand("diff", "Show what differs between two configurations");
    diff->footer(footer(
        "A and B are each a .wl3 file, a JSON file or a tracker (--port), files first: "
        "\"wl3 diff A.wl3 B.json\", \"wl3 diff A.wl3 --port COM2\"; a file alone is compared "
        "with the tracker on COM1. A JSON file counts as what writing it would store. Prints "
        "each field that differs under the window's labels, A's value before the arrow, and "
        "nothing when the two hold the same record; images that hold the same record in "
        "different bytes are named as such. With --units, or several ports, every tracker is "
        "read at once and compared with what \"wl3 write\" of A would send it. Exit status: "
        "0 the same, 1 different, 2 trouble (a file or a tracker that could not be had, or a "
        "usage error)."));
    diff->add_option("FILE", line.files,
                     wrapped("A, then B: .wl3 or JSON files, the configurations to compare"))
        ->check(configFileName())
        ->type_name("");
    const CLI::Option* ports = addPortOption(*diff, line.ports, PortDefault::None);
    diff->add_flag("--json", line.json, wrapped("Print the differences as one JSON object"));
    addFileOption(*diff, "--units", line.units,
                  "A CSV file with a row per tracker, as for \"wl3 write --units\": each tracker "
                  "is compared with what its row on top of A would write")
        ->excludes(diff->get_option("--port"));
    addReportOption(*diff, line.report);
    diff->callback([&line, ports] {
        // The other commands' default is in place of a --port not given.
        if (ports->count() == 0) {
            line.ports.clear();
        }
        // Two trackers and no file are a pair, as two files are.
        const bool fleet = !line.units.empty() || !line.report.empty() ||
                           (namesSeveralPorts(line.ports) && !line.files.empty());
        if (fleet && (line.files.size() != 1 || line.json)) {
            throw CLI::ValidationError("diff",
                                       "with several trackers, give one file A and no --json");
        }
        if (fleet) {
            line.status = runFleetDiff(line.context, fleetRequest(line), line.files.front());
            return;
        }
        const std::vector<DiffSource> sources = diffSources(line);
        if (sources.size() != 2) {
            throw CLI::ValidationError("diff", "give two configurations: files, or trackers "
                                               "with --port");
        }
        line.status = runDiff(line.context, sources[0], sources[1], line.json);
    });
}

void addToneCommand(CLI::App& app, CommandLine& line) {
    auto* toneCommand = app.add_subcommand("tone", "Send a test tone, or stop sending");
    toneCommand->footer(footer(englishText(wordingOf(ToneKeepsSending{}))));
    addPortOption(*toneCommand, line.ports);
    addReportOption(*toneCommand, line.report);
    toneCommand->add_option("TONE", line.tone, "1200 or 2200 (Hz), both, or stop")
        ->required()
        ->check(CLI::IsMember(tones()).description(""))
        ->type_name("");
    toneCommand->callback([&line] {
        line.status = forSeveralTrackers(line)
                          ? runFleetTone(line.context, fleetRequest(line), tones().at(line.tone))
                          : runTone(line.context, portChoice(line), tones().at(line.tone));
    });
}

} // namespace

namespace {

int runCommandLine(int argc, const char* const* argv, const CommandContext& context,
                   std::ostream& err, bool errIsTerminal) {
    CommandLine line{context, err, errIsTerminal};

    CLI::App app("wl3: reads, writes, shows and converts Wrenlink3 tracker configurations.", "wl3");
    app.footer(footer({}));
    // At most one, so that a word that is no command is named as such; none is refused below.
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", WL3_VERSION, "Print the version of wl3 and exit");
    // CLI11 would take /path/to/file.wl3 for an option on Windows.
    app.allow_windows_style_options(false);
    addShowCommand(app, line);
    addCheckCommand(app, line);
    addExportCommand(app, line);
    addImportCommand(app, line);
    addPortsCommand(app, line);
    addVersionCommand(app, line);
    addReadCommand(app, line);
    addWriteCommand(app, line);
    addToneCommand(app, line);
    addDiffCommand(app, line);

    try {
        // The chosen subcommand runs once its options have all been parsed and checked.
        app.parse(argc, argv);
        if (app.get_subcommands().empty()) {
            throw CLI::RequiredError("A subcommand");
        }
    } catch (const CLI::ParseError& e) {
        // --help and --version print on out, which may fail like any other output.
        return app.exit(e, context.out, err) == 0 ? finishOutput(context) : kExitUsage;
    }
    return line.status;
}

} // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           bool outIsTerminal, bool errIsTerminal) {
    TerminalProgress progress(err, errIsTerminal);
    StderrReporter reporter(err, &progress);
    try {
        return runCommandLine(argc, argv, {out, reporter, progress, outIsTerminal}, err,
                              errIsTerminal);
    } catch (const std::bad_alloc&) {
        // What ran out let its memory go on the way here, and its port and files with it.
        reporter.report(OutOfMemory{});
        return kExitFailed;
    }
}

} // namespace wl3
