#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace wl3 {

// Writes a file so that it is replaced whole or not at all: the bytes go into a temporary
// file beside the target, which is moved over the target only once every byte was
// written and flushed. A failed save never destroys the file it was meant to replace.
//
// Only a regular file, or nothing, is ever replaced; the new file keeps the old one's
// owner, group and mode. A pipe or a character device (a terminal, /dev/null) is written
// in place, as cp does. A link is followed to its end, which is replaced or created, so
// the link itself survives. Folders, other special files and files whose mode says
// read-only are refused, for root too.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::filesystem::path& target);
    ~ReplacingFile();

    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the target cannot or may not be written; reason() says why when the
    // target was refused.
    bool open();

    void write(std::span<const std::byte> bytes);

    // Moves the temporary over the target. False when a write fell short or the move
    // failed; the target then keeps its old contents and no temporary is left behind.
    bool commit();

    // text, followed by the reason for a refusal on a line of its own, for the user.
    std::string explained(std::string_view text) const;

private:
    struct Output; // one per platform
    std::filesystem::path target_;
    std::string reason_;
    std::unique_ptr<Output> output_;
};

} // namespace wl3
