#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace wl3 {

enum class RegularFileRead {
    Ok,
    IsFolder,
    NotAFile,   // a FIFO, a device, a socket
    NotOpened,  // the system's error says why
    ReadFailed, // likewise
};

// Puts the first bytes of path, at most limit of them, into bytes. Only a regular file is
// opened; error holds the system's reason when it could not be found, opened or read. One
// implementation per platform.
RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                std::string& bytes, std::error_code& error);

// The same for standard input, whatever it is (a pipe, a file, a terminal): read until it
// ends or the limit is reached, so that an endless stream costs no more than the limit.
RegularFileRead readStandardInput(std::size_t limit, std::string& bytes, std::error_code& error);

} // namespace wl3
