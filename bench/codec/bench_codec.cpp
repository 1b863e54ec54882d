#include "config/config_image.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <vector>

// Time per image for the encoder and the decoder, for the default record and for a record
// with both profiles' own address blocks, an optional block each and two status texts.
namespace {

using namespace wl3;

class DiscardingReporter : public Reporter {
public:
    void errorBox(std::string_view) override {}
    void message(std::string_view, std::string_view) override {}
};

TrackerConfig twoProfiles() {
    TrackerConfig config;
    config.setCallsign("N0CALL-9");
    config.setDigiPath("WIDE1-1,WIDE2-1");
    config.setStatusText("Primary text");
    config.smartBeaconing[kPrimary] = true;
    config.currentProfile = kSecondary;
    config.setCallsign("N0CALL-7");
    config.setDigiPath("WIDE2-2");
    config.setStatusText("Second");
    config.timeSlotting[kSecondary] = true;
    config.autoRateSec[kSecondary] = 60;
    config.currentProfile = kPrimary;
    return config;
}

TrackerConfig record(int which) {
    return which == 0 ? TrackerConfig{} : twoProfiles();
}

void encode(benchmark::State& state) {
    TrackerConfig config = record(static_cast<int>(state.range(0)));
    std::vector<std::uint8_t> image(kImageBufferSize);
    DiscardingReporter reporter;
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeImage(config, image, reporter));
        benchmark::ClobberMemory();
    }
    state.SetLabel(state.range(0) == 0 ? "default record" : "two profiles");
}

void decode(benchmark::State& state) {
    TrackerConfig config = record(static_cast<int>(state.range(0)));
    std::vector<std::uint8_t> image(kImageBufferSize);
    DiscardingReporter reporter;
    if (encodeImage(config, image, reporter) != kImageSize) {
        std::abort();
    }
    image.resize(kImageSize);
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodeImage(config, image, reporter));
        benchmark::ClobberMemory();
    }
    state.SetLabel(state.range(0) == 0 ? "default record" : "two profiles");
}

BENCHMARK(encode)->Arg(0)->Arg(1);
BENCHMARK(decode)->Arg(0)->Arg(1);

} // namespace
