#pragma once

#include "outcomes/reporter.h"
#include "wording/wording.h"

#include <ostream>
#include <string>
#include <vector>

namespace wl3::test {

// Keeps every report in order, worded as the window words it, so a test can say exactly
// which boxes the user saw.
class RecordingReporter : public Reporter {
public:
    struct Entry {
        std::string caption; // empty for an error box
        std::string text;
        bool operator==(const Entry&) const = default;
        // For a test framework's account of a failed comparison.
        friend void PrintTo(const Entry& entry, std::ostream* os) {
            *os << '"' << entry.caption << ": " << entry.text << '"';
        }
    };

    void report(const Outcome& outcome) override {
        outcomes.push_back(outcome);
        const Wording wording = wordingOf(outcome);
        entries.push_back({englishCaption(wording), englishText(wording)});
    }

    // Just the texts, for the common check of what was shown.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& entry : entries) {
            result.push_back(entry.text);
        }
        return result;
    }

    std::vector<Outcome> outcomes;
    std::vector<Entry> entries;
};

} // namespace wl3::test
