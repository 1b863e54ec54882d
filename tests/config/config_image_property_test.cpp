#include "config/config_image.h"
#include "config/profile_fields.h"
#include "record_printer.h"
#include "support/example_records.h"
#include "support/recording_reporter.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

// Random records against a model of what the tracker keeps of them. The model is written
// from the image layout, not from the codec: address texts are generated together with
// the text they must come back as, numbers are narrowed by hand.
namespace wl3 {
namespace {

using test::Image;
using test::RecordingReporter;

constexpr std::string_view kDoNotFitText =
    "The callsigns and digipeater paths do not fit in the tracker's memory. Use fewer "
    "digipeaters, or make the primary and secondary callsigns and paths identical.";

struct Generated {
    std::string text;
    std::string expected; // as decoded from the image
};

struct GeneratedPath {
    std::string text;
    std::string expected;
    int elements = 0;
    int trailingBlanks = 0; // blank elements at the end: re-encoding drops one at a time
};

class RecordGenerator {
public:
    explicit RecordGenerator(std::uint32_t seed) : random_(seed) {}

    TrackerConfig record(std::array<GeneratedPath, 2>& paths, std::array<std::string, 2>& calls) {
        TrackerConfig config;
        const int sharing = pick(0, 9);
        for (int p = 0; p < kProfileCount; ++p) {
            Generated callsign = address(TrackerConfig::kCallsignMax, true);
            GeneratedPath path = this->path();
            if (p == kSecondary && sharing < 4) {
                callsign = {std::string(textOf(config.callsign[kPrimary])), calls[kPrimary]};
                path = paths[kPrimary];
            } else if (p == kSecondary && sharing < 5) {
                callsign = {std::string(textOf(config.callsign[kPrimary])), calls[kPrimary]};
            }
            setText(config.callsign[p], callsign.text);
            setText(config.digiPath[p], path.text);
            calls[p] = callsign.expected;
            paths[p] = path;

            setText(config.statusText[p], statusText());
            for (auto field : kProfileNumbers) {
                (config.*field)[p] = number();
            }
            config.symbol[p] = static_cast<char>(pick(0, 255));
            config.symbolTable[p] = static_cast<char>(pick(0, 255));
            for (auto flag : kProfileFlags) {
                (config.*flag)[p] = pick(0, 1) == 1;
            }
        }
        if (pick(0, 3) == 0) {
            config.statusText[kSecondary] = config.statusText[kPrimary];
        }
        config.calibration = number();
        return config;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    int number() {
        switch (pick(0, 4)) {
        case 0:
            return pick(0, 300);
        case 1:
            return pick(-300, 7000);
        case 2:
            return pick(60000, 70000);
        case 3:
            return pick(0, 1) ? std::numeric_limits<int>::min() + pick(0, 20)
                              : std::numeric_limits<int>::max() - pick(0, 20);
        default:
            return pick(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        }
    }

    char anyOf(std::string_view characters) {
        return characters[static_cast<std::size_t>(
            pick(0, static_cast<int>(characters.size()) - 1))];
    }

    // A byte the address parser passes over: blank, control or above 0x7F.
    char skipped() { return static_cast<char>(pick(0, 1) ? pick(1, 0x20) : pick(0x80, 0xFF)); }

    // What may follow an SSID or a stop character inside one path element: it starts with
    // a character that ends any number, then has any bytes but a comma.
    std::string junk() {
        if (pick(0, 1) == 0) {
            return "";
        }
        std::string text(1, anyOf("X/!.z"));
        for (int n = pick(0, 4); n > 0; --n) {
            const auto c = static_cast<char>(pick(1, 255));
            text += c == ',' ? ';' : c;
        }
        return text;
    }

    // One callsign or path element and its normalised form. A plain one is short and has
    // only letters, digits and an SSID, so that long paths fit in their field.
    Generated address(int limit, bool allowEmpty, bool plain = false) {
        for (;;) {
            Generated result;
            std::string kept;
            for (int n = plain ? pick(1, 6) : pick(allowEmpty ? 0 : 1, 9); n > 0; --n) {
                while (!plain && pick(0, 3) == 0) {
                    result.text += skipped();
                }
                const char c =
                    anyOf("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
                result.text += c;
                if (kept.size() < 6) {
                    kept += c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
                }
            }
            int ssid = 0;
            if (plain) {
                ssid = pick(0, 15);
                if (ssid != 0) {
                    result.text += '-';
                    result.text += std::to_string(ssid);
                }
            }
            switch (plain ? -1 : pick(0, 3)) {
            case -1:
            case 0:
                break;
            case 1: {
                const int value = pick(-20, 40);
                result.text += '-';
                result.text +=
                    std::string(static_cast<std::size_t>(pick(0, 2)), anyOf(" \t\n\v\f\r"));
                if (value >= 0 && pick(0, 2) == 0) {
                    result.text += '+';
                }
                if (pick(0, 3) == 0) {
                    result.text += value < 0 ? "-0" : "0";
                    result.text += std::to_string(std::abs(value));
                } else {
                    result.text += std::to_string(value);
                }
                result.text += junk();
                ssid = value >= 0 && value <= 15 ? value : 0;
                break;
            }
            case 2:
                result.text += '-';
                result.text += anyOf("-X/ ");
                result.text += junk();
                break;
            default:
                result.text += anyOf("!\"#$%&'()*./:;<=>?@[\\]^_`{|}~\x7f");
                result.text += junk();
                break;
            }
            if (static_cast<int>(result.text.size()) > limit) {
                continue;
            }
            result.expected = ssid == 0 ? kept : kept + "-" + std::to_string(ssid);
            return result;
        }
    }

    GeneratedPath path() {
        for (;;) {
            GeneratedPath result;
            std::vector<Generated> elements;
            const bool plain = pick(0, 2) == 0;
            const int count = plain ? pick(2, 12) : pick(0, 4);
            for (int i = 0; i < count; ++i) {
                switch (pick(0, 5)) {
                case 0:
                    elements.push_back({"", ""});
                    break;
                case 1:
                    elements.push_back({std::string(1, skipped()) + skipped(), ""});
                    break;
                default:
                    elements.push_back(address(TrackerConfig::kDigiPathMax, false, plain));
                }
            }
            for (std::size_t i = 0; i < elements.size(); ++i) {
                result.text += (i == 0 ? "" : ",") + elements[i].text;
            }
            // An empty text after the last comma is no element.
            if (!elements.empty() && pick(0, 5) == 0) {
                result.text += ',';
            } else if (!elements.empty() && elements.back().text.empty()) {
                elements.pop_back();
            }
            for (const Generated& element : elements) {
                if (!result.expected.empty()) {
                    result.expected += ",";
                }
                result.expected += element.expected;
            }
            result.elements = static_cast<int>(elements.size());
            while (result.trailingBlanks < result.elements &&
                   elements[elements.size() - 1 - result.trailingBlanks].expected.empty()) {
                ++result.trailingBlanks;
            }
            if (static_cast<int>(result.text.size()) <= TrackerConfig::kDigiPathMax) {
                return result;
            }
        }
    }

    std::string statusText() {
        std::string text(static_cast<std::size_t>(pick(0, 3) == 0 ? pick(0, 250) : pick(0, 40)),
                         'x');
        for (char& c : text) {
            c = static_cast<char>(pick(1, 255));
        }
        return text;
    }

    std::mt19937 random_;
};

// What the tracker keeps of one record, computed from the layout.
struct Expectation {
    bool fits = false;
    bool truncated = false;
    TrackerConfig decoded; // the record after decoding the image into a copy of it
};

int low8(int value) {
    return static_cast<int>(static_cast<unsigned>(value) & 0xFFu);
}

int low16(int value) {
    return static_cast<int>(static_cast<unsigned>(value) & 0xFFFFu);
}

int byteLimited(double units) {
    return static_cast<int>(std::clamp(std::trunc(units), 0.0, 255.0));
}

int txDelayKept(int ms) {
    const int stored = byteLimited((ms + 3.0) * double{0.15001501f} + 0.5);
    return static_cast<int>(stored * double{6.666f} + 0.5);
}

int quietTimeKept(int ms) {
    const int stored = byteLimited((ms + 13.0) * double{0.038022816f} + 0.5);
    return static_cast<int>(stored * double{26.3f} + 0.5);
}

Expectation expect(const TrackerConfig& record, const std::array<GeneratedPath, 2>& paths,
                   const std::array<std::string, 2>& calls) {
    Expectation result;
    const TrackerConfig& e = record;
    const bool sharedAddresses = textOf(record.callsign[0]) == textOf(record.callsign[1]) &&
                                 textOf(record.digiPath[0]) == textOf(record.digiPath[1]);
    int position = 38;
    for (int p = 0; p < kProfileCount; ++p) {
        position += (e.smartBeaconing[p] ? 10 : 0) + (e.timeSlotting[p] ? 2 : 0);
        if (p == kPrimary || !sharedAddresses) {
            position += 7 * (paths[p].elements + 1) + 3;
        }
    }
    result.fits = position <= 127;
    if (!result.fits) {
        return result;
    }

    TrackerConfig& d = result.decoded;
    d = e;
    // The encoder derives the rate flags of a time-slotted profile from its rate.
    for (int p = 0; p < kProfileCount; ++p) {
        if (e.timeSlotting[p] && e.autoRateSec[p] != 0) {
            d.rateDivides60[p] = 60 % e.autoRateSec[p] == 0;
            d.rateDivides600[p] = 600 % e.autoRateSec[p] == 0;
        }
    }
    const std::string_view primaryText = textOf(record.statusText[kPrimary]);
    const std::string_view secondaryText = textOf(record.statusText[kSecondary]);
    const std::size_t primaryKept = std::min<std::size_t>(primaryText.size(), 127 - position);
    position += static_cast<int>(primaryKept);
    position += position < 127 ? 1 : 0;
    std::size_t secondaryKept = primaryKept;
    if (secondaryText != primaryText) {
        secondaryKept = std::min<std::size_t>(secondaryText.size(), 127 - position);
        setText(d.statusText[kSecondary], secondaryText.substr(0, secondaryKept));
        result.truncated = secondaryKept < secondaryText.size();
    } else {
        setText(d.statusText[kSecondary], primaryText.substr(0, primaryKept));
    }
    setText(d.statusText[kPrimary], primaryText.substr(0, primaryKept));
    result.truncated = result.truncated || primaryKept < primaryText.size();

    d.calibration = low8(e.calibration);
    for (int p = 0; p < kProfileCount; ++p) {
        setText(d.callsign[p], calls[p]);
        setText(d.digiPath[p], paths[p].expected);
        d.autoTxDelayMs[p] = txDelayKept(e.autoTxDelayMs[p]);
        d.manualTxDelayMs[p] = txDelayKept(e.manualTxDelayMs[p]);
        d.quietTimeMs[p] = quietTimeKept(e.quietTimeMs[p]);
        d.powerSwitchTimeSec[p] = std::clamp(e.powerSwitchTimeSec[p], 0, 255);
        d.micEMessage[p] = low8(e.micEMessage[p]);
        d.micEPath[p] = low8(e.micEPath[p]);
        d.statusEvery[p] = low8(e.statusEvery[p]);
        d.autoRateSec[p] = low16(e.autoRateSec[p]);
        d.manualRateSec[p] = low16(e.manualRateSec[p]);
        const auto symbol = static_cast<unsigned char>(e.symbol[p]);
        const auto table = static_cast<unsigned char>(e.symbolTable[p]);
        d.symbol[p] = symbol < 0x20 || symbol >= 0x80 ? '-' : e.symbol[p];
        d.symbolTable[p] = table < 0x20 || table >= 0x80 ? '/' : e.symbolTable[p];
        if (e.smartBeaconing[p]) {
            d.slowSpeedMph[p] = low8(e.slowSpeedMph[p]);
            d.fastSpeedMph[p] = low8(e.fastSpeedMph[p]);
            d.slowRateSec[p] = low16(e.slowRateSec[p]);
            d.fastRateSec[p] = low16(e.fastRateSec[p]);
            d.minTurnAngleDeg[p] = low8(e.minTurnAngleDeg[p]);
            d.turnSlope[p] = low16(e.turnSlope[p]);
            d.minTurnTimeSec[p] = low8(e.minTurnTimeSec[p]);
        }
        if (e.timeSlotting[p]) {
            const int value =
                low16(static_cast<int>(static_cast<unsigned>(e.autoRateSec[p]) -
                                       static_cast<unsigned>(e.slotOffsetSec[p]) + 1u));
            d.slotOffsetSec[p] = d.autoRateSec[p] - value + 1;
        }
    }
    return result;
}

TEST(ImageRoundTrip, RandomRecordsComeBackAsTheTrackerKeepsThem) {
    RecordGenerator generator(20240611);
    int refused = 0;
    int truncated = 0;
    for (int run = 0; run < 20000 && !HasFailure(); ++run) {
        SCOPED_TRACE("record " + std::to_string(run));
        std::array<GeneratedPath, 2> paths;
        std::array<std::string, 2> calls;
        TrackerConfig record = generator.record(paths, calls);
        const Expectation expected = expect(record, paths, calls);

        std::vector<std::uint8_t> buffer(kImageBufferSize, 0xEE);
        RecordingReporter reporter;
        const int size = encodeImage(record, buffer, reporter);
        if (!expected.fits) {
            ++refused;
            EXPECT_EQ(size, 0);
            EXPECT_EQ(reporter.texts(), std::vector<std::string>{std::string(kDoNotFitText)});
            continue;
        }
        ASSERT_EQ(size, kImageSize);
        truncated += expected.truncated ? 1 : 0;
        EXPECT_EQ(reporter.entries.size(), expected.truncated ? 1u : 0u);

        const std::span<const std::uint8_t> image(buffer.data(), kImageSize);
        TrackerConfig decoded = record;
        ASSERT_EQ(decodeImage(decoded, image, reporter), Status::Ok);
        EXPECT_EQ(decoded, expected.decoded);

        // Writing back what was read may still move things (delays one step, newly equal
        // texts, a trailing blank path element); then the image settles. Each further
        // trailing blank element takes one more cycle, as only the last one is dropped.
        const int trailingBlanks = std::max(paths[0].trailingBlanks, paths[1].trailingBlanks);
        const int settled = 1 + trailingBlanks;
        std::vector<Image> images(static_cast<std::size_t>(settled) + 2);
        std::copy_n(buffer.begin(), kImageSize, images[0].begin());
        for (std::size_t cycle = 1; cycle < images.size(); ++cycle) {
            ASSERT_EQ(encodeImage(decoded, images[cycle], reporter), kImageSize);
            ASSERT_EQ(decodeImage(decoded, images[cycle], reporter), Status::Ok);
        }
        EXPECT_EQ(images[settled + 1], images[settled]) << trailingBlanks;
        TrackerConfig again = decoded;
        ASSERT_EQ(decodeImage(again, images.back(), reporter), Status::Ok);
        EXPECT_EQ(again, decoded);
    }
    // The generator must reach every branch it is meant to.
    EXPECT_GT(refused, 100);
    EXPECT_GT(truncated, 100);
}

// Every delay byte is a fixed point after one read and write, so images settle.
TEST(ImageRoundTrip, DelayBytesSettleAfterOneCycle) {
    for (int value = 0; value < 256; ++value) {
        Image image = test::defaultImage();
        for (int at : {4, 6, 34}) {
            image[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
        }
        std::array<Image, 3> images{image};
        TrackerConfig config;
        RecordingReporter reporter;
        for (int cycle = 1; cycle < 3; ++cycle) {
            ASSERT_EQ(decodeImage(config, images[cycle - 1], reporter), Status::Ok);
            ASSERT_EQ(encodeImage(config, images[cycle], reporter), kImageSize);
        }
        EXPECT_EQ(images[2], images[1]) << value;
        EXPECT_LE(std::abs(images[1][4] - value), 1) << value;
    }
}

} // namespace
} // namespace wl3
