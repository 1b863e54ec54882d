#include "cli/fleet_subcommands.h"

#include "cli/fleet_ports.h"
#include "cli/fleet_report.h"
#include "cli/fleet_run.h"
#include "cli/write_targets.h"
#include "commands/device_commands.h"
#include "config/advice.h"
#include "config/config_comparison.h"
#include "files/output_check.h"
#include "formats/config_file.h"
#include "formats/config_io.h"
#include "formats/units_file.h"
#include "wording/wording.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <set>

namespace wl3 {

namespace {

// A message's words with the place they concern in front: "units.csv row 3: ...".
class PlaceReporter : public LineReporter {
public:
    PlaceReporter(LineReporter& reporter, std::string place)
        : reporter_(reporter), place_(std::move(place)) {}

    void show(std::string_view caption, std::string_view text) override {
        reporter_.show(caption, place_ + ": " + std::string(text));
    }

private:
    LineReporter& reporter_;
    std::string place_;
};

// The ports of --port, each once; nothing after saying why not.
std::optional<std::vector<std::string>> givenPorts(const CommandContext& context,
                                                   const FleetRequest& request) {
    auto ports = expandPorts(request.ports, context.reporter);
    if (!ports || refuseRepeatedPorts(*ports, std::vector<std::string>(ports->size(), "--port"),
                                      context.reporter) != Status::Ok) {
        return std::nullopt;
    }
    return ports;
}

// The file of each tracker in folder: names told apart, the folder there.
std::optional<std::vector<std::filesystem::path>>
filesInFolder(const CommandContext& context, const std::filesystem::path& folder,
              const std::vector<std::string>& names) {
    std::vector<std::filesystem::path> files;
    std::set<std::string> seen;
    for (const std::string& name : names) {
        if (!seen.insert(name).second) {
            context.reporter.report(FileNamedTwice{(folder / name).string()});
            return std::nullopt;
        }
        files.push_back(folder / name);
    }
    // Checked before it is made, so that no folder is made through a link not followed.
    if (checkOutputPlan({{folder, {RunFileKind::Folder}}}, {}, context.reporter) != Status::Ok ||
        prepareFolder(folder, context.reporter) != Status::Ok) {
        return std::nullopt;
    }
    return files;
}

// How a run ends, where it ends otherwise than a write's: which trackers the table shows,
// and the exit status.
struct FleetEnd {
    std::function<bool(std::size_t unit, const UnitOutcome& outcome)> shown; // all when empty
    std::function<int(const std::vector<UnitOutcome>& outcomes)> exitStatus = fleetExitStatus;
    int outputFailed = kExitFailed; // when the table or the report could not be written
};

// The rows of the trackers that end shows, as a table; nothing when it shows none.
std::string shownTable(const std::vector<std::string>& ports,
                       const std::vector<UnitOutcome>& outcomes, const FleetEnd& end) {
    if (!end.shown) {
        return fleetTable(ports, outcomes);
    }
    std::vector<std::string> shownPorts;
    std::vector<UnitOutcome> shownOutcomes;
    for (std::size_t unit = 0; unit < outcomes.size(); ++unit) {
        if (end.shown(unit, outcomes[unit])) {
            shownPorts.push_back(ports[unit]);
            shownOutcomes.push_back(outcomes[unit]);
        }
    }
    return shownOutcomes.empty() ? std::string() : fleetTable(shownPorts, shownOutcomes);
}

// Runs work on every port, then the table and, when asked for, its CSV file. Nothing is
// sent unless every file the run writes (outputs, the report, standard output for the
// table) can be written, each apart from the others and from inputs. callsigns, when known
// before the run, name the trackers in the table whatever becomes of them. records, where
// the command has them (by the run's end), give each tracker's count of advice. The report
// holds every tracker, whatever the table shows.
int runOnEach(const CommandContext& context, const FleetRequest& request,
              const std::vector<std::string>& ports, const UnitWork& work,
              std::vector<RunFile> outputs = {}, const std::vector<RunFile>& inputs = {},
              const std::vector<std::string>& callsigns = {}, const FleetEnd& end = {},
              const std::vector<std::optional<TrackerConfig>>* records = nullptr) {
    outputs.push_back({request.report, {RunFileKind::Report}});
    outputs.push_back({"-", {RunFileKind::Table}});
    if (checkOutputPlan(outputs, inputs, context.reporter) != Status::Ok) {
        return kExitFailed;
    }
    const std::size_t atOnce =
        trackersAtOnce(request.trackersAtOnce, ports.size(), context.reporter);
    std::vector<UnitOutcome> outcomes =
        runFleet(ports, work, request.err, request.errIsTerminal, atOnce, callsigns);
    for (std::size_t unit = 0; records != nullptr && unit < records->size(); ++unit) {
        if (const auto& record = (*records)[unit]) {
            outcomes[unit].advice = adviceOn(*record).size();
        }
    }
    int status = end.exitStatus(outcomes);
    context.out << shownTable(ports, outcomes, end);
    const bool reported = request.report.empty() || saveFleetReport(request.report, ports, outcomes,
                                                                    context.reporter) == Status::Ok;
    if ((finishOutput(context) != kExitOk || !reported) && status == kExitOk) {
        status = end.outputFailed;
    }
    return status;
}

// files[i], the file of ports[i], as a run's output.
std::vector<RunFile> runFiles(const std::vector<std::filesystem::path>& files,
                              const std::vector<std::string>& ports) {
    std::vector<RunFile> outputs;
    for (std::size_t i = 0; i < files.size(); ++i) {
        outputs.push_back({files[i], {RunFileKind::FileOf, ports[i]}});
    }
    return outputs;
}

// The backups a write makes, as its outputs: none without a backup folder.
std::vector<RunFile> backupFiles(const std::vector<WriteTarget>& targets) {
    std::vector<RunFile> outputs;
    for (const WriteTarget& target : targets) {
        if (!target.backupPath.empty()) {
            outputs.push_back({target.backupPath, {RunFileKind::BackupOf, target.port}});
        }
    }
    return outputs;
}

// Every tracker of a write, each checked before any is touched; nothing after saying why,
// under action's caption.
std::optional<std::vector<WriteTarget>> writeTargets(const CommandContext& context,
                                                     const FleetRequest& request,
                                                     const std::filesystem::path& input,
                                                     RefusedAction action = RefusedAction::Write) {
    TrackerConfig base;
    ConfigImage baseImage{};
    if (loadWriteBase(context, input, base, baseImage) != Status::Ok) {
        return std::nullopt;
    }
    std::vector<WriteTarget> targets;
    std::vector<std::string> backupNames; // each target's file in the backup folder
    if (request.units.empty()) {
        const auto ports = givenPorts(context, request);
        WriteTarget prepared{"--port", {}, base, {}, {}, request.allowCutText};
        if (!ports || prepareTarget(context, prepared, baseImage, action) != Status::Ok) {
            return std::nullopt;
        }
        for (const std::string& port : *ports) {
            prepared.port = port;
            targets.push_back(prepared);
            backupNames.push_back(portFileName(port, ".wl3"));
        }
    } else {
        std::vector<Unit> units;
        bool ok = loadUnits(request.units, base, context.reporter, units) == Status::Ok;
        for (const Unit& unit : units) {
            const std::string place = english(rowPlace(request.units.string(), unit.row));
            WriteTarget target{place, unit.port, unit.config, {}, {}, request.allowCutText};
            backupNames.push_back(
                portFileName(unit.port, "-row" + std::to_string(unit.row) + ".wl3"));
            PlaceReporter reporter(context.reporter, place);
            ok = prepareTarget({context.out, reporter, context.progress, context.outIsTerminal},
                               target, baseImage, action) == Status::Ok &&
                 ok;
            targets.push_back(std::move(target));
        }
        std::vector<std::string> ports;
        std::vector<std::string> places;
        for (const WriteTarget& target : targets) {
            if (!target.port.empty()) { // reported already
                ports.push_back(target.port);
                places.push_back(target.place);
            }
        }
        if (refuseRepeatedPorts(ports, places, context.reporter) != Status::Ok || !ok ||
            targets.empty()) {
            return std::nullopt;
        }
    }
    if (request.backupFolder.empty()) {
        return targets;
    }
    const auto backupPaths = filesInFolder(context, request.backupFolder, backupNames);
    if (!backupPaths) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < targets.size(); ++i) {
        targets[i].backupPath = (*backupPaths)[i];
    }
    return targets;
}

} // namespace

int runFleetVersion(const CommandContext& context, const FleetRequest& request) {
    const auto ports = givenPorts(context, request);
    if (!ports) {
        return kExitFailed;
    }
    return runOnEach(context, request, *ports,
                     [](const CommandContext& unit, SerialLink& link, std::size_t, std::string&) {
                         return readVersion(link, unit.reporter);
                     });
}

int runFleetRead(const CommandContext& context, const FleetRequest& request) {
    const auto ports = givenPorts(context, request);
    if (!ports) {
        return kExitFailed;
    }
    std::vector<std::string> names;
    std::ranges::transform(*ports, std::back_inserter(names),
                           [](const std::string& port) { return portFileName(port, ".wl3"); });
    const auto files = filesInFolder(context, request.readFolder, names);
    if (!files) {
        return kExitFailed;
    }
    // One slot a tracker, each written by its own thread alone.
    std::vector<std::optional<TrackerConfig>> records(ports->size());
    return runOnEach(
        context, request, *ports,
        [&](const CommandContext& unit, SerialLink& link, std::size_t index,
            std::string& callsign) {
            TrackerConfig config;
            const Status status = readAndSave(unit, link, (*files)[index], config);
            callsign = textOf(config.callsign[kPrimary]);
            if (status == Status::Ok) {
                records[index] = config;
            }
            return status;
        },
        runFiles(*files, *ports), {}, {}, {}, &records);
}

int runFleetWrite(const CommandContext& context, const FleetRequest& request,
                  const std::filesystem::path& input) {
    auto targets = writeTargets(context, request, input);
    if (!targets) {
        return kExitFailed;
    }
    std::vector<std::string> ports;
    std::vector<std::string> callsigns;
    std::vector<std::optional<TrackerConfig>> records;
    for (const WriteTarget& target : *targets) {
        ports.push_back(target.port);
        callsigns.emplace_back(textOf(target.config.callsign[kPrimary]));
        records.emplace_back(target.config);
    }
    return runOnEach(
        context, request, ports,
        [&](const CommandContext& unit, SerialLink& link, std::size_t index,
            std::string& callsign) {
            WriteTarget& target = (*targets)[index];
            const Status status = writeTarget(unit, link, target);
            callsign = textOf(target.config.callsign[kPrimary]);
            return status;
        },
        backupFiles(*targets),
        {{input, {RunFileKind::InputFile}}, {request.units, {RunFileKind::UnitsFile}}}, callsigns,
        {}, &records);
}

// Each tracker read as Read Configuration reads it and compared with the image its write
// would send; the table names those that differ or could not be read.
int runFleetDiff(const CommandContext& context, const FleetRequest& request,
                 const std::filesystem::path& input) {
    const auto targets = writeTargets(context, request, input, RefusedAction::Compare);
    if (!targets) {
        return kExitTrouble;
    }
    std::vector<std::string> ports;
    std::vector<std::string> callsigns;
    std::vector<std::optional<TrackerConfig>> records;
    for (const WriteTarget& target : *targets) {
        ports.push_back(target.port);
        callsigns.emplace_back(textOf(target.config.callsign[kPrimary]));
        records.emplace_back(target.config);
    }
    // One slot a tracker, each written by its own thread alone.
    std::vector<char> differs(targets->size(), 0);
    const FleetEnd end{[&differs](std::size_t unit, const UnitOutcome& outcome) {
                           return differs[unit] != 0 || outcome.exitStatus != kExitOk;
                       },
                       [&differs](const std::vector<UnitOutcome>& outcomes) {
                           const int status = fleetExitStatus(outcomes);
                           if (status != kExitOk) {
                               return status == kExitFailed ? kExitTrouble : status;
                           }
                           return std::ranges::find(differs, 1) != differs.end() ? kExitDiffer
                                                                                 : kExitOk;
                       },
                       kExitTrouble};
    return runOnEach(
        context, request, ports,
        [&](const CommandContext& unit, SerialLink& link, std::size_t index, std::string&) {
            TrackerConfig held;
            ConfigImage image{};
            const Status status = readTrackerImage(held, link, unit.reporter, image);
            if (status != Status::Ok) {
                return status;
            }
            auto comparison = std::make_shared<const ConfigComparison>(
                compareConfigurations((*targets)[index].image, image));
            differs[index] = comparison->sameRecord() ? 0 : 1;
            unit.reporter.report(UnitCompared{std::move(comparison)});
            return Status::Ok;
        },
        {}, {{input, {RunFileKind::InputFile}}, {request.units, {RunFileKind::UnitsFile}}},
        callsigns, end, &records);
}

int runFleetTone(const CommandContext& context, const FleetRequest& request, ToneCode code) {
    const auto ports = givenPorts(context, request);
    if (!ports) {
        return kExitFailed;
    }
    return runOnEach(context, request, *ports,
                     [code](const CommandContext& unit, SerialLink& link, std::size_t,
                            std::string&) { return sendToneAndWarn(unit, link, code); });
}

} // namespace wl3
