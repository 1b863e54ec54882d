#include "files/config_file.h"

#include "config/config_image.h"
#include "files/file_messages.h"
#include "files/whole_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace wl3 {
namespace {

constexpr std::array<char, 4> kMagic{'W', 'L', '3', 'A'};
constexpr std::size_t kLengthOffset = 4;
constexpr std::size_t kImageOffset = 8;

bool isMagic(std::string_view bytes) {
    for (std::size_t i = 0; i < kMagic.size(); ++i) {
        char c = bytes[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (c != kMagic[i]) {
            return false;
        }
    }
    return true;
}

std::uint32_t readLittleEndian(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    }
    return value;
}

// The header and the image, into a file opened for saving.
void writeConfigFile(ReplacingFile& file, std::span<const std::uint8_t, kImageSize> image) {
    const std::array<char, 4> length{static_cast<char>(kImageSize), 0, 0, 0};
    file.write(std::as_bytes(std::span(kMagic)));
    file.write(std::as_bytes(std::span(length)));
    file.write(std::as_bytes(image));
}

} // namespace

// Bytes after the image are never read.
Status loadConfigFile(const std::filesystem::path& path, TrackerConfig& config,
                      Reporter& reporter) {
    const auto file = readInputFile(path, kConfigFileSize, reporter);
    if (!file) {
        return Status::Failed;
    }
    const std::string_view bytes = *file;
    if (bytes.size() < kLengthOffset || !isMagic(bytes) || bytes.size() < kImageOffset ||
        readLittleEndian(bytes.substr(kLengthOffset)) != kImageSize) {
        reporter.message(kLoadFailed, "Invalid File Format");
        return Status::Failed;
    }
    if (bytes.size() < kConfigFileSize) {
        reporter.message(kLoadFailed, kFailedToReadData);
        return Status::Failed;
    }

    std::array<std::uint8_t, kImageSize> image{};
    std::copy_n(bytes.begin() + kImageOffset, kImageSize, image.begin());
    if (decodeImage(config, image, reporter) != Status::Ok) {
        reporter.message(kLoadFailed, "Import Failed");
        return Status::Failed;
    }
    return Status::Ok;
}

Status saveConfigFile(const std::filesystem::path& path, TrackerConfig& config,
                      Reporter& reporter) {
    return saveWholeFile(path, reporter, [&](ReplacingFile& file) {
        std::array<std::uint8_t, kImageBufferSize> image{};
        if (encodeImage(config, image, reporter) != kImageSize) {
            return false; // the encoder said why
        }
        writeConfigFile(file, std::span(image).first<kImageSize>());
        return true;
    });
}

Status saveConfigImage(const std::filesystem::path& path,
                       std::span<const std::uint8_t, kImageSize> image, Reporter& reporter) {
    return saveWholeFile(path, reporter, [&](ReplacingFile& file) {
        writeConfigFile(file, image);
        return true;
    });
}

} // namespace wl3
