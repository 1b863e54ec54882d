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

} // namespace wl3
