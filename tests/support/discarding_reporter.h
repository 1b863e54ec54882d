#pragma once

#include "outcomes/reporter.h"

namespace wl3::test {

// Hears every report and keeps none: for the fuzzers, which expect messages by the
// thousand and care only for crashes, and for benchmarks and tests that time or check
// something else.
class DiscardingReporter : public Reporter {
public:
    void report(const Outcome& /*outcome*/) override {}
};

} // namespace wl3::test
