#pragma once

#include "outcomes/port_problem.h"

#include <string>

namespace wl3 {

// The system's own words for an error number (errno, or GetLastError() on Windows). One
// implementation per platform.
std::string systemErrorText(int systemError);

} // namespace wl3
