#include "files/output_check.h"

#include "files/file_messages.h"
#include "files/output_identity.h"
#include "files/whole_file.h"

#include <map>
#include <string>
#include <system_error>

namespace wl3 {

namespace {

Status refuse(const std::filesystem::path& output, std::string_view reason, Reporter& reporter) {
    const std::string name = isStandardStream(output) ? "standard output" : output.string();
    reporter.message(kSaveFailed,
                     std::string(kFailedToOpenFile) + '\n' + name + ": " + std::string(reason));
    return Status::Failed;
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
        std::string refusal;
        std::error_code error;
        const auto identity = isStandardStream(output.path)
                                  ? standardOutputIdentity()
                                  : savedFileIdentity(output.path, refusal, error);
        if (!refusal.empty() || error) {
            return refuse(output.path, refusal.empty() ? systemReason(error) : refusal, reporter);
        }
        if (!identity || !identity->replaceable) {
            continue;
        }
        const auto [earlier, added] = files.try_emplace(*identity, Seen{&output, false});
        if (!added) {
            const Seen& seen = earlier->second;
            return refuse(output.path,
                          seen.input ? "is " + seen.file->role
                                     : output.role + " would replace " + seen.file->role,
                          reporter);
        }
    }
    return Status::Ok;
}

Status checkOutputIsNotInput(const std::filesystem::path& input,
                             const std::filesystem::path& output, Reporter& reporter) {
    return checkOutputPlan({{output, "the output"}}, {{input, "the input file"}}, reporter);
}

} // namespace wl3
