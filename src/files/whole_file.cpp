#include "files/whole_file.h"

#include "files/regular_file.h"

namespace wl3 {

bool isStandardStream(const std::filesystem::path& path) {
    return path == "-";
}

std::optional<std::string> readInputFile(const std::filesystem::path& path, std::size_t limit,
                                         Reporter& reporter) {
    std::string bytes;
    std::error_code error;
    const RegularFileRead read = isStandardStream(path)
                                     ? readStandardInput(limit, bytes, error)
                                     : readRegularFile(path, limit, bytes, error);
    FileFailed failed{FileAction::Load, FileStep::Open, path.string(), {}};
    switch (read) {
    case RegularFileRead::Ok:
        return bytes;
    case RegularFileRead::IsFolder:
        failed.reason = {FileProblem::IsFolder};
        break;
    case RegularFileRead::NotAFile:
        failed.reason = {FileProblem::NotAFile};
        break;
    case RegularFileRead::NotOpened:
        failed.reason = {FileProblem::System, error};
        break;
    case RegularFileRead::ReadFailed:
        failed.step = FileStep::Read;
        failed.reason = {FileProblem::CannotBeRead, error};
        break;
    }
    reporter.report(failed);
    return std::nullopt;
}

Status saveWholeFile(const std::filesystem::path& path, Reporter& reporter,
                     const std::function<bool(ReplacingFile&)>& fill) {
    ReplacingFile file(path);
    if (!file.open()) {
        reporter.report(file.failure(FileStep::Open));
        return Status::Failed;
    }
    if (!fill(file)) {
        return Status::Failed; // fill said why; the temporary goes with file
    }
    if (!file.commit()) {
        reporter.report(file.failure(FileStep::Write));
        return Status::Failed;
    }
    return Status::Ok;
}

} // namespace wl3
