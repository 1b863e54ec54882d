#pragma once

#include "config/reporter.h"

namespace wl3::fuzz {

// Messages are expected by the thousand while fuzzing; only crashes matter.
class DiscardingReporter : public Reporter {
public:
    void errorBox(std::string_view) override {}
    void message(std::string_view, std::string_view) override {}
};

} // namespace wl3::fuzz
