#pragma once

#include "config/config_image.h"
#include "formats/config_file.h"
#include "support/recording_reporter.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace wl3::test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class ConfigFileTest : public ::testing::Test {
protected:
    static Bytes readAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void writeAll(const fs::path& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes imageOf(TrackerConfig config) {
        RecordingReporter quiet;
        Bytes image(kImageBufferSize);
        image.resize(encodeImage(config, image, quiet));
        return image;
    }
    static Bytes fileOf(const Bytes& header, const Bytes& image) {
        Bytes bytes = header;
        bytes.insert(bytes.end(), image.begin(), image.end());
        return bytes;
    }

    // A record whose two profiles differ in every kind of field.
    static TrackerConfig edited() {
        TrackerConfig config;
        setText(config.callsign[kSecondary], "N0CALL-7");
        setText(config.digiPath[kSecondary], "WIDE1-1");
        setText(config.statusText[kSecondary], "Second");
        config.timeSlotting[kSecondary] = true;
        config.autoRateSec[kSecondary] = 60;
        config.smartBeaconing[kPrimary] = true;
        config.calibration = 77;
        return config;
    }

    TempDir dir;
    fs::path folder = dir.path();
    RecordingReporter reporter;
};

} // namespace wl3::test
