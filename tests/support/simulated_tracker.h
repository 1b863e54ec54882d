#pragma once

#include "formats/config_file_header.h"
#include "sim_process.h"
#include "support/temp_dir.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace wl3::test {

// tracker-sim for one test, with its log and the image it holds at hand. Needs the
// tracker_sim_process and wl3_files targets; works under any test framework.
class SimulatedTracker {
public:
    explicit SimulatedTracker(std::vector<std::string> options = {})
        : stateFile_((folder_ / "tracker.wl3").string()),
          logFile_((folder_ / "tracker.log").string()),
          process_(WL3_TRACKER_SIM, withStateFile(std::move(options), stateFile_), logFile_) {}

    SimulatedTracker(const SimulatedTracker&) = delete;
    SimulatedTracker& operator=(const SimulatedTracker&) = delete;

    bool ok() const { return process_.ok(); }
    const std::string& devicePath() const { return process_.devicePath(); }

    // Everything it logged so far, one event a line.
    std::string log() const {
        std::ifstream file(logFile_);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    // Its log once text is in it, or as it stands after ten seconds: it logs a command as
    // it reads it, which may be after the host is done with the exchange.
    std::string logOnceItHas(const std::string& text) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        std::string logged = log();
        while (logged.find(text) == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            logged = log();
        }
        return logged;
    }

    // The image it holds, from its state file (written whole at start and after each write).
    std::vector<std::uint8_t> storedImage() const {
        std::ifstream file(stateFile_, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        const std::string_view image = configFileImage(bytes);
        return {image.begin(), image.end()};
    }

private:
    static std::vector<std::string> withStateFile(std::vector<std::string> options,
                                                  const std::string& stateFile) {
        options.insert(options.begin(), {"--state-file", stateFile});
        return options;
    }

    TempDir folder_; // made before, and removed after, the simulator that writes there
    std::string stateFile_;
    std::string logFile_;
    sim::SimProcess process_;
};

} // namespace wl3::test
