#include "files/output_check.h"

#include "files/output_identity.h"
#include "files/replacing_file.h"
#include "files/whole_file.h"

#include <map>
#include <string>
#include <system_error>

namespace wl3 {

namespace {

Status refuse(const std::filesystem::path& output, FileReason reason, Reporter& reporter) {
    reporter.report(
        FileFailed{FileAction::Save, FileStep::Open, output.string(), std::move(reason)});
    return Status::Failed;
}

// Each file that a run saves is opened as its save will open it, and its folder given a
// block, so that a refusal or a full disk is found before any tracker is touched; what the
// probe made goes with it.
Status probeOutputs(const std::vector<RunFile>& outputs, Reporter& reporter) {
    for (const RunFile& output : outputs) {
        if (output.path.empty() || isStandardStream(output.path) ||
            output.role.kind == RunFileKind::Folder) {
            continue;
        }
        ReplacingFile probe(output.path);
        if (!probe.open()) {
            reporter.report(probe.failure(FileStep::Open));
            return Status::Failed;
        }
        if (!probe.probe()) {
            reporter.report(probe.failure(FileStep::Write));
            return Status::Failed;
        }
    }
    return Status::Ok;
}

} // namespace

Status checkOutputPlan(const std::vector<RunFile>& outputs, const std::vector<RunFile>& inputs,
                       Reporter& reporter) {
    struct Seen {
        const RunFile* file;
        bool input;
    };
    std::map<FileIdentity, Seen> files;
    for (const RunFile& input : inputs) {
        const auto identity = input.path.empty() ? std::nullopt : loadedFileIdentity(input.path);
        if (identity && identity->replaceable) {
            files.try_emplace(*identity, Seen{&input, true});
        }
    }
    for (const RunFile& output : outputs) {
        if (output.path.empty()) {
            continue;
        }
        std::optional<FileReason> refusal;
        const auto identity = isStandardStream(output.path)
                                  ? standardOutputIdentity()
                                  : savedFileIdentity(output.path, refusal);
        if (refusal) {
            return refuse(output.path, std::move(*refusal), reporter);
        }
        if (!identity || !identity->replaceable) {
            continue;
        }
        const auto [earlier, added] = files.try_emplace(*identity, Seen{&output, false});
        if (!added) {
            const Seen& seen = earlier->second;
            return refuse(
                output.path,
                seen.input ? FileReason{.problem = FileProblem::IsRunFile, .role = seen.file->role}
                           : FileReason{.problem = FileProblem::ReplacesRunFile,
                                        .role = output.role,
                                        .otherRole = seen.file->role},
                reporter);
        }
    }
    return probeOutputs(outputs, reporter);
}

Status checkOutputIsNotInput(const std::filesystem::path& input,
                             const std::filesystem::path& output, Reporter& reporter) {
    return checkOutputPlan({{output, {RunFileKind::Output}}}, {{input, {RunFileKind::InputFile}}},
                           reporter);
}

} // namespace wl3
