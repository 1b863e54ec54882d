#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace wl3 {

enum class RegularFileRead { Ok, NotOpened, ReadFailed };

// Puts the first bytes of path, at most limit of them, into bytes. NotOpened when path is
// not a regular file or cannot be opened. One implementation per platform.
RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                std::string& bytes);

// The same for standard input, whatever it is (a pipe, a file, a terminal): read until it
// ends or the limit is reached, so that an endless stream costs no more than the limit.
RegularFileRead readStandardInput(std::size_t limit, std::string& bytes);

} // namespace wl3
