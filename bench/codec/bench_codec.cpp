#include "config/config_image.h"
#include "support/discarding_reporter.h"
#include "support/example_records.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <vector>

// Time per image for the encoder and the decoder, for the default record and for a record
// with both profiles' own address blocks, an optional block each and two status texts.
namespace {

using namespace wl3;

using test::DiscardingReporter;

TrackerConfig record(int which) {
    return which == 0 ? TrackerConfig{} : test::secondExampleRecord();
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
