#pragma once

#include <string_view>

namespace wl3 {

// Where code that detects a failure, or reaches an outcome the user must see, says so.
// The window answers with message boxes, the command-line tool with stderr and the tests
// with a recorder. Texts are bytes read as Latin-1: a tracker's reply may hold any byte.
class Reporter {
public:
    virtual ~Reporter() = default;

    // A failure, shown under the platform's default title with a single OK button.
    virtual void errorBox(std::string_view text) = 0;

    // An outcome or a warning under its own caption, with a single OK button.
    virtual void message(std::string_view caption, std::string_view text) = 0;
};

} // namespace wl3
