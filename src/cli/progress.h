#pragma once

#include <ostream>
#include <string_view>

namespace wl3 {

// Tells a person at a terminal which exchange with the tracker is under way, since one
// can take seconds; silent when nobody watches (stderr redirected).
class Progress {
public:
    Progress(std::ostream& err, bool enabled) : err_(err), enabled_(enabled) {}

    void phase(std::string_view text) {
        if (enabled_) {
            err_ << text << "..." << std::endl;
        }
    }

private:
    std::ostream& err_;
    bool enabled_;
};

} // namespace wl3
