#include "formats/config_file.h"

#include "config/config_image.h"
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
    const auto failed = [&](FileStep step, FileProblem problem, std::uint64_t count = 0) {
        reporter.report(FileFailed{
            FileAction::Load, step, source.string(), {.problem = problem, .count = count}});
        return Status::Failed;
    };
    if (!hasConfigFileMagic(bytes)) {
        return failed(FileStep::Format, FileProblem::NotConfigFile);
    }
    if (const auto length = configFileImageLength(bytes);
        length != static_cast<std::uint32_t>(kImageSize)) {
        return length ? failed(FileStep::Format, FileProblem::ImageLength, *length)
                      : failed(FileStep::Format, FileProblem::EndsInHeader);
    }
    if (bytes.size() < kConfigFileSize) {
        return failed(FileStep::Read, FileProblem::EndsEarly, configFileImage(bytes).size());
    }

    ConfigImage stored{};
    std::copy_n(configFileImage(bytes).begin(), kImageSize, stored.begin());
    if (decodeImage(config, stored, reporter) != Status::Ok) {
        return failed(FileStep::Decode, FileProblem::NotDecodable);
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

std::optional<std::string> encodeConfigFile(const TrackerConfig& config, Reporter& reporter) {
    std::array<std::uint8_t, kImageBufferSize> image{};
    if (encodeImage(config, image, reporter) != kImageSize) {
        return std::nullopt;
    }
    return configFileBytes(std::span(image).first<kImageSize>());
}

Status saveConfigFile(const std::filesystem::path& path, const TrackerConfig& config,
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
