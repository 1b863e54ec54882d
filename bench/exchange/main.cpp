// Times each tracker exchange against tracker-sim and sets it beside the least time the
// pacing and time-outs allow.
#include "config/config_image.h"
#include "link/serial_link.h"
#include "link/serial_timeouts.h"
#include "sim_process.h"
#include "wording/wording.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double kByteMs = 10.0 * 1000.0 / 4800.0; // ten bits a byte at 4800 baud
constexpr double kPauseMs = 10.0;
constexpr double kSilenceMs = wl3::kReadIntervalTimeoutMs;
constexpr int kVersionReplySize = 17; // "Wrenlink3 v1.00\r\n"
constexpr int kRuns = 3;

double silentDrainMs(int capacity) {
    return static_cast<double>(wl3::kReadTotalPerByteMs) * capacity + wl3::kReadTotalConstantMs;
}

// Sending n command bytes, then receiving a reply of r bytes: the reply can start with the
// last command byte, so its first 10 ms overlap that byte's pause.
double commandAndReplyMs(int commandBytes, int replyBytes) {
    return commandBytes * kPauseMs + std::max(0.0, replyBytes * kByteMs - kPauseMs) + kSilenceMs;
}

class SilentReporter : public wl3::Reporter {
public:
    void report(const wl3::Outcome& outcome) override {
        failures.push_back(wl3::englishText(wl3::wordingOf(outcome)));
    }
    std::vector<std::string> failures;
};

struct Exchange {
    const char* name;
    double unavoidableMs;
    std::function<bool(wl3::SerialLink&)> run;
};

} // namespace

int main() {
    // At the real line's pace, which the least times below count with.
    wl3::sim::SimProcess tracker(WL3_TRACKER_SIM, {"--line-pacing"}, "/dev/null");
    if (!tracker.ok()) {
        std::fprintf(stderr, "bench_exchange: cannot start %s\n", WL3_TRACKER_SIM);
        return 1;
    }
    SilentReporter reporter;
    wl3::SerialLink link(reporter, wl3::makeSystemSerialPort(),
                         [&](int) { return tracker.devicePath(); });

    std::array<std::uint8_t, wl3::kImageBufferSize> stored{};
    if (link.readImage(stored) != wl3::kImageSize) {
        std::fprintf(stderr, "bench_exchange: the simulated tracker gave no image\n");
        return 1;
    }
    const std::vector<std::uint8_t> image(stored.begin(), stored.begin() + wl3::kImageSize);

    const double imageReadMs = silentDrainMs(200) + commandAndReplyMs(2, wl3::kImageSize);
    const std::vector<Exchange> exchanges{
        {"version query", silentDrainMs(29) + commandAndReplyMs(3, kVersionReplySize),
         [](wl3::SerialLink& l) {
             std::array<char, 30> version{};
             return l.queryVersion(version) == wl3::Status::Ok;
         }},
        {"verified read", 2 * imageReadMs,
         [](wl3::SerialLink& l) {
             std::array<std::uint8_t, wl3::kImageBufferSize> buffer{};
             return l.readImage(buffer) == wl3::kImageSize;
         }},
        {"verified write", silentDrainMs(100) + (4 + wl3::kImageSize) * kPauseMs + imageReadMs,
         [&](wl3::SerialLink& l) { return l.writeImage(image) == wl3::Status::Ok; }},
        {"tone", 6 * kPauseMs + 50.0,
         [](wl3::SerialLink& l) { return l.sendTone(wl3::ToneCode::Stop) == wl3::Status::Ok; }},
    };

    std::printf("Each exchange %d times against tracker-sim on %s; the median wall time.\n", kRuns,
                tracker.devicePath().c_str());
    std::printf("Least time: silent-line drain (2 ms a byte + 300), 10 ms after every byte sent,\n"
                "reply bytes at 4800 baud (2.083 ms each) past the last pause, 50 ms of "
                "silence.\n\n");
    std::printf("%-16s %12s %12s %8s\n", "exchange", "wall ms", "least ms", "ratio");
    int status = 0;
    for (const Exchange& exchange : exchanges) {
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            const auto start = Clock::now();
            const bool ok = exchange.run(link);
            times.push_back(Ms(Clock::now() - start).count());
            if (!ok) {
                status = 1;
            }
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        std::printf("%-16s %12.1f %12.1f %8.3f\n", exchange.name, median, exchange.unavoidableMs,
                    median / exchange.unavoidableMs);
    }
    for (const std::string& failure : reporter.failures) {
        std::fprintf(stderr, "bench_exchange: %s\n", failure.c_str());
    }
    return status;
}
