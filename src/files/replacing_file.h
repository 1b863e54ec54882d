#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <span>

namespace wl3 {

// Writes a file so that it is replaced whole or not at all: the bytes go into a temporary
// file beside the target, which is moved over the target only once every byte was
// written and flushed. A failed save never destroys the file it was meant to replace.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::filesystem::path& target);
    ~ReplacingFile();

    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the target cannot be written: its folder is missing or closed to us, or
    // an existing file there is read-only.
    bool open();

    void write(std::span<const std::byte> bytes);

    // Moves the temporary over the target. False when a write fell short or the move
    // failed; the target then keeps its old contents and no temporary is left behind.
    bool commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream out_;
    bool opened_ = false;
    bool committed_ = false;
};

} // namespace wl3
