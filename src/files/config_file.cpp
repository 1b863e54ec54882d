#include "files/config_file.h"

#include "config/config_image.h"
#include "files/config_file_header.h"
#include "files/file_messages.h"
#include "files/whole_file.h"

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
    return loadConfigFileBytes(*file, config, reporter);
}

Status loadConfigFileBytes(std::string_view bytes, TrackerConfig& config, Reporter& reporter) {
    if (configFileImageLength(bytes) != static_cast<std::uint32_t>(kImageSize)) {
        reporter.message(kLoadFailed, "Invalid File Format");
        return Status::Failed;
    }
    if (bytes.size() < kConfigFileSize) {
        reporter.message(kLoadFailed, kFailedToReadData);
        return Status::Failed;
    }

    std::array<std::uint8_t, kImageSize> image{};
    std::copy_n(configFileImage(bytes).begin(), kImageSize, image.begin());
    if (decodeImage(config, image, reporter) != Status::Ok) {
        reporter.message(kLoadFailed, "Import Failed");
        return Status::Failed;
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
