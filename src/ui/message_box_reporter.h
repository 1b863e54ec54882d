#pragma once

#include "config/reporter.h"

namespace wl3::ui {

// Reports with message boxes that have a single OK button and no icon. They block the whole
// application, so that no second command can start while a box of the first is open.
class MessageBoxReporter : public Reporter {
public:
    void errorBox(std::string_view text) override;
    void message(std::string_view caption, std::string_view text) override;
};

} // namespace wl3::ui
