#include "formats/config_file.h"

#include "config/config_image.h"
#include "files/file_messages.h"
#include "files/whole_file.h"
#include "formats/config_file_header.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace wl3 {
namespace {

void writeBytes(ReplacingFile& file, std::string_view bytes) {
    file.write(std::as_bytes(std::span(bytes)));
}

} // namespace

// Bytes after the image are never read.
Status loadConfigFile(const std::filesystem::path& path, TrackerConfig& config,
                      Reporter& reporter) {
    const auto file = readInputFile(path, kConfigFileSize, reporter);
    if (!file) {
        return Status::Failed;
    }
    return loadConfigFileBytes(*file, path, config, reporter);
}

Status loadConfigFileBytes(std::string_view bytes, const std::filesystem::path& source,
                           TrackerConfig& config, Reporter& reporter, ConfigImage* image) {
    const auto failed = [&](std::string_view text, const std::string& reason) {
        reporter.message(kLoadFailed, explainedFailure(text, source, reason));
        return Status::Failed;
    };
    if (!hasConfigFileMagic(bytes)) {
        return failed("Invalid File Format", "is not a configuration file");
    }
    if (const auto length = configFileImageLength(bytes);
        length != static_cast<std::uint32_t>(kImageSize)) {
        return failed("Invalid File Format", length
                                                 ? "holds an image of " + std::to_string(*length) +
                                                       " bytes, not " + std::to_string(kImageSize)
                                                 : "ends within its header");
    }
    if (bytes.size() < kConfigFileSize) {
        return failed(kFailedToReadData,
                      "ends after " + std::to_string(configFileImage(bytes).size()) + " of the " +
                          std::to_string(kImageSize) + " image bytes");
    }

    ConfigImage stored{};
    std::copy_n(configFileImage(bytes).begin(), kImageSize, stored.begin());
    if (decodeImage(config, stored, reporter) != Status::Ok) {
        return failed("Import Failed", "holds an image that cannot be decoded");
    }
    if (image != nullptr) {
        *image = stored;
    }
    return Status::Ok;
}

std::string configFileBytes(std::span<const std::uint8_t, kImageSize> image) {
    std::string bytes = configFileHeader(kImageSize);
    bytes.append(image.begin(), image.end());
    return bytes;
}

std::optional<std::string> encodeConfigFile(TrackerConfig& config, Reporter& reporter) {
    std::array<std::uint8_t, kImageBufferSize> image{};
    if (encodeImage(config, image, reporter) != kImageSize) {
        return std::nullopt;
    }
    return configFileBytes(std::span(image).first<kImageSize>());
}

Status saveConfigFile(const std::filesystem::path& path, TrackerConfig& config,
                      Reporter& reporter) {
    return saveWholeFile(path, reporter, [&](ReplacingFile& file) {
        const auto bytes = encodeConfigFile(config, reporter);
        if (!bytes) {
            return false; // the encoder said why
        }
        writeBytes(file, *bytes);
        return true;
    });
}

Status saveConfigImage(const std::filesystem::path& path,
                       std::span<const std::uint8_t, kImageSize> image, Reporter& reporter) {
    return saveWholeFile(path, reporter, [&](ReplacingFile& file) {
        writeBytes(file, configFileBytes(image));
        return true;
    });
}

} // namespace wl3
