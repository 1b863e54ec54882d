// Times wl3 write to N simulated trackers at once (N = 1, 4, 8) and sets each beside the
// write to one tracker: with a line per tracker, N should take the time of one.
#include "cli/cli_app.h"
#include "sim_process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 3;
constexpr std::size_t kMostTrackers = 8;

// The median wall time of wl3 with arguments, in seconds; negative when a run failed.
double medianSeconds(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"wl3"};
    std::ranges::transform(arguments, std::back_inserter(argv),
                           [](const std::string& argument) { return argument.c_str(); });
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        std::ostringstream out;
        std::ostringstream err;
        const auto start = Clock::now();
        const int status =
            wl3::runCli(static_cast<int>(argv.size()), argv.data(), out, err, false, false);
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        if (status != 0) {
            std::fprintf(stderr, "bench_fleet: wl3 exited with %d:\n%s", status, err.str().c_str());
            return -1.0;
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    std::string folderName =
        (std::filesystem::temp_directory_path() / "bench_fleet.XXXXXX").string();
    if (mkdtemp(folderName.data()) == nullptr) {
        std::perror("bench_fleet: mkdtemp");
        return 1;
    }
    const std::filesystem::path folder(folderName);
    const std::string base = (folder / "base.json").string();
    std::ofstream(base) << R"({"primary": {"callsign": "BENCH-1"}})" << '\n';

    std::vector<std::unique_ptr<wl3::sim::SimProcess>> trackers;
    for (std::size_t i = 0; i < kMostTrackers; ++i) {
        trackers.push_back(std::make_unique<wl3::sim::SimProcess>(
            WL3_TRACKER_SIM, std::vector<std::string>{"--line-pacing"}, "/dev/null"));
        if (!trackers.back()->ok()) {
            std::fprintf(stderr, "bench_fleet: cannot start %s\n", WL3_TRACKER_SIM);
            return 1;
        }
    }

    std::printf("wl3 write to N simulated trackers at once, %d times each; the median wall "
                "time,\nand its ratio to the write to one tracker alone (the plain command).\n\n",
                kRuns);
    std::printf("%-4s %10s %8s\n", "N", "wall s", "ratio");
    int status = 0;
    double one = 0.0;
    for (const std::size_t count : {std::size_t{1}, std::size_t{4}, kMostTrackers}) {
        std::vector<std::string> arguments{"write", base};
        for (std::size_t i = 0; i < count; ++i) {
            arguments.insert(arguments.end(), {"--port", trackers[i]->devicePath()});
        }
        const double seconds = medianSeconds(arguments);
        if (seconds < 0) {
            status = 1;
            continue;
        }
        if (count == 1) {
            one = seconds;
        }
        std::printf("%-4zu %10.2f %8.3f\n", count, seconds, one > 0 ? seconds / one : 0.0);
    }
    std::filesystem::remove_all(folder);
    return status;
}
