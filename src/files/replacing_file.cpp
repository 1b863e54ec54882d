#include "files/replacing_file.h"

namespace wl3 {

FileFailed ReplacingFile::failure(FileStep step) const {
    return {FileAction::Save, step, failedPath_.string(), reason_};
}

void ReplacingFile::fail(FileReason reason) {
    failInFolder(target_, std::move(reason));
}

void ReplacingFile::failInFolder(const std::filesystem::path& folder, FileReason reason) {
    failedPath_ = folder;
    reason_ = std::move(reason);
}

} // namespace wl3
