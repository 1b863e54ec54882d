#include "files/whole_file.h"

#include "files/file_messages.h"
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
    std::string_view text = kFailedToOpenFile;
    std::string reason;
    switch (read) {
    case RegularFileRead::Ok:
        return bytes;
    case RegularFileRead::IsFolder:
        reason = kIsFolder;
        break;
    case RegularFileRead::NotAFile:
        reason = "is not a file (a device, a pipe or a socket)";
        break;
    case RegularFileRead::NotOpened:
        reason = systemReason(error);
        break;
    case RegularFileRead::ReadFailed:
        text = kFailedToReadData;
        reason = "cannot be read: " + systemReason(error);
        break;
    }
    reporter.message(kLoadFailed, explainedFailure(text, path, reason));
    return std::nullopt;
}

Status saveWholeFile(const std::filesystem::path& path, Reporter& reporter,
                     const std::function<bool(ReplacingFile&)>& fill) {
    ReplacingFile file(path);
    if (!file.open()) {
        reporter.message(kSaveFailed, file.explained(kFailedToOpenFile));
        return Status::Failed;
    }
    if (!fill(file)) {
        return Status::Failed; // fill said why; the temporary goes with file
    }
    if (!file.commit()) {
        reporter.message(kSaveFailed, file.explained(kFailedToWriteData));
        return Status::Failed;
    }
    return Status::Ok;
}

} // namespace wl3
