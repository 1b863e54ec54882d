#pragma once

#include <filesystem>

namespace wl3 {

// Whether path leads to a terminal: /dev/tty, a link to it, /dev/stdout while standard
// output is one. One implementation per platform.
bool namesTerminal(const std::filesystem::path& path);

} // namespace wl3
