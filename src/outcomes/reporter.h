#pragma once

#include "outcomes/outcome.h"

namespace wl3 {

// Where code that detects a failure, or reaches an outcome the user must see, says so. The
// window answers with message boxes, the command-line tool with lines on stderr and the
// tests with a recorder; each words the outcome itself.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void report(const Outcome& outcome) = 0;
};

} // namespace wl3
