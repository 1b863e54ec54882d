#pragma once

#include "config/reporter.h"

namespace wl3::test {

// Hears every report and keeps none: for the fuzzers, which expect messages by the
// thousand and care only for crashes, and for benchmarks and tests that time or check
// something else.
class DiscardingReporter : public Reporter {
public:
    void errorBox(std::string_view) override {}
    void message(std::string_view, std::string_view) override {}
};

} // namespace wl3::test
