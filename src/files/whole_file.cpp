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
    const RegularFileRead read = isStandardStream(path) ? readStandardInput(limit, bytes)
                                                        : readRegularFile(path, limit, bytes);
    switch (read) {
    case RegularFileRead::Ok:
        return bytes;
    case RegularFileRead::NotOpened:
        reporter.message(kLoadFailed, kFailedToOpenFile);
        return std::nullopt;
    case RegularFileRead::ReadFailed:
        break;
    }
    reporter.message(kLoadFailed, kFailedToReadData);
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
        reporter.message(kSaveFailed, kFailedToWriteData);
        return Status::Failed;
    }
    return Status::Ok;
}

} // namespace wl3
