#include "formats/config_json.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

// CPU time to read documents of about 1 MiB, the most an import takes: a valid one, and
// the kinds that a reader which looks every key up as it arrives would take seconds, or
// minutes, to refuse.
namespace {

using namespace wl3;

constexpr std::size_t kMiB = std::size_t{1} << 20;

// Keys "k0", "k1", ... holding 0, until the text reaches about 1 MiB.
std::string manyKeys(std::size_t& count) {
    std::string members;
    for (count = 0; members.size() < kMiB - 64; ++count) {
        members += (count == 0 ? "\"k" : ",\"k") + std::to_string(count) + "\":0";
    }
    return "{" + members + "}";
}

std::string repeatedKey(std::size_t& count) {
    std::string members;
    for (count = 0; members.size() < kMiB - 64; ++count) {
        members += count == 0 ? "\"calibration\":1" : ",\"calibration\":1";
    }
    return "{" + members + "}";
}

double cpuSecondsToRead(const std::string& text, bool& accepted) {
    constexpr int kRuns = 3;
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        TrackerConfig config;
        JsonProblem problem;
        const std::clock_t start = std::clock();
        accepted = configFromJsonText(text, config, problem);
        best = std::min(best, static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    }
    return best;
}

} // namespace

int main() {
    std::size_t keys = 0;
    const std::string distinct = manyKeys(keys);
    std::size_t repeats = 0;
    const std::string repeated = repeatedKey(repeats);
    const std::string nested = R"({"primary": {"callsign": )" + distinct + "}}";
    const std::string padded = "{" + std::string(kMiB - 64, ' ') + R"("calibration": 5})";

    struct Document {
        std::string name;
        const std::string* text;
    };
    const std::vector<Document> documents{
        {std::to_string(keys) + " distinct keys", &distinct},
        {"the same keys in a field's value", &nested},
        {"one key " + std::to_string(repeats) + " times", &repeated},
        {"one key after 1 MiB of white space", &padded},
    };
    std::printf("%-45s %9s %12s  %s\n", "document", "bytes", "CPU seconds", "result");
    for (const Document& document : documents) {
        bool accepted = false;
        const double seconds = cpuSecondsToRead(*document.text, accepted);
        std::printf("%-45s %9zu %12.6f  %s\n", document.name.c_str(), document.text->size(),
                    seconds, accepted ? "read" : "refused");
    }
    return 0;
}
