#pragma once

#include "outcomes/outcome.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace wl3 {

// Writes a file so that it is replaced whole or not at all: the bytes go into a temporary
// file beside the target, which is moved over the target only once every byte was
// written and flushed. A failed save never destroys the file it was meant to replace.
//
// Only a regular file, or nothing, is ever replaced; the new file keeps the old one's
// owner, group and mode. The program's own terminal and /dev/null are written in place, and
// so is a name for one of our own open descriptors (/dev/stdout); a pipe (FIFO) and any other
// device are refused, and no open waits on one.
// Every link on the way is followed, and the one at the end leads to the file replaced or
// created, so the link itself survives. Folders, other special files, files whose mode says
// read-only, and another user's links and files in a shared folder such as /tmp are
// refused, for root too. A program ended by a signal during the save leaves no temporary.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::filesystem::path& target);
    ~ReplacingFile();

    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the target cannot or may not be written; failure() then says why.
    bool open();

    void write(std::span<const std::byte> bytes);

    // After open, before anything is written: whether the file's folder takes a block, by
    // writing one to the temporary and flushing it to disk; false, with failure() saying
    // why, when it does not (a full disk, a file size limit). A target written in place (a
    // terminal, a descriptor) is not tried.
    bool probe();

    // Moves the temporary over the target. False when a write fell short or the move
    // failed; the target then keeps its old contents, no temporary is left behind, and
    // failure() says why.
    bool commit();

    // The save's failure at step: the file (or the folder it would be made in) and why.
    FileFailed failure(FileStep step) const;

private:
    bool openDevice(const struct stat& judged);
    void fail(FileReason reason);
    void failInFolder(const std::filesystem::path& folder, FileReason reason);

    struct Output; // one per platform
    std::filesystem::path target_;
    std::filesystem::path failedPath_; // the target, or its folder when no file could be made
    FileReason reason_;
    std::unique_ptr<Output> output_;
};

} // namespace wl3
