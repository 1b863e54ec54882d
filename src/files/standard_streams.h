#pragma once

#include <filesystem>

namespace wl3 {

// Whether path names the file that standard input reads, whatever links or spellings lead
// to it. One implementation per platform.
bool isStandardInputFile(const std::filesystem::path& path);

// Whether path leads to a terminal: /dev/tty, a link to it, /dev/stdout while standard
// output is one.
bool namesTerminal(const std::filesystem::path& path);

} // namespace wl3
