#pragma once

#include "config/reporter.h"

#include <ostream>
#include <string>
#include <vector>

namespace wl3::test {

// Keeps every report in order, so a test can say exactly which boxes the user saw.
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

    void errorBox(std::string_view text) override { entries.push_back({"", std::string(text)}); }
    void message(std::string_view caption, std::string_view text) override {
        entries.push_back({std::string(caption), std::string(text)});
    }

    // Just the texts, for the common check of what was shown.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& entry : entries) {
            result.push_back(entry.text);
        }
        return result;
    }

    std::vector<Entry> entries;
};

} // namespace wl3::test
