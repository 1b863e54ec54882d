#include "files/config_file.h"

#include "config/config_image.h"
#include "files/replacing_file.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <system_error>

namespace wl3 {
namespace {

constexpr std::string_view kLoadFailed = "Load Failed";
constexpr std::string_view kSaveFailed = "Save Failed";
constexpr std::array<char, 4> kMagic{'W', 'L', '3', 'A'};

bool isMagic(const std::array<char, 4>& bytes) {
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

std::uint32_t readLittleEndian(const std::array<char, 4>& bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

// Reads up to count bytes; how many arrived.
std::size_t readUpTo(std::ifstream& in, void* buffer, std::size_t count) {
    in.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount());
}

// Writes the header and the image into an opened file and puts it in place.
Status finishSave(ReplacingFile& file, std::span<const std::uint8_t, kImageSize> image,
                  Reporter& reporter) {
    const std::array<char, 4> length{static_cast<char>(kImageSize), 0, 0, 0};
    file.write(std::as_bytes(std::span(kMagic)));
    file.write(std::as_bytes(std::span(length)));
    file.write(std::as_bytes(image));
    if (!file.commit()) {
        reporter.message(kSaveFailed, "Failed to write data");
        return Status::Failed;
    }
    return Status::Ok;
}

} // namespace

Status loadConfigFile(const std::filesystem::path& path, TrackerConfig& config,
                      Reporter& reporter) {
    // A folder opens as a stream on some systems, but it is no file to load.
    std::error_code ignored;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ignored)) {
        in.open(path, std::ios::binary);
    }
    if (!in.is_open()) {
        reporter.message(kLoadFailed, "Failed to open file");
        return Status::Failed;
    }

    std::array<char, 4> magic{};
    if (readUpTo(in, magic.data(), magic.size()) < magic.size() || !isMagic(magic)) {
        reporter.message(kLoadFailed, "Invalid File Format");
        return Status::Failed;
    }
    std::array<char, 4> length{};
    if (readUpTo(in, length.data(), length.size()) < length.size() ||
        readLittleEndian(length) != kImageSize) {
        reporter.message(kLoadFailed, "Invalid File Format");
        return Status::Failed;
    }

    std::array<std::uint8_t, kImageBufferSize> image{};
    if (readUpTo(in, image.data(), kImageSize) < kImageSize) {
        reporter.message(kLoadFailed, "Failed to read data");
        return Status::Failed;
    }

    if (decodeImage(config, std::span(image).first(kImageSize), reporter) != Status::Ok) {
        reporter.message(kLoadFailed, "Import Failed");
        return Status::Failed;
    }
    return Status::Ok;
}

Status saveConfigFile(const std::filesystem::path& path, TrackerConfig& config,
                      Reporter& reporter) {
    ReplacingFile file(path);
    if (!file.open()) {
        reporter.message(kSaveFailed, "Failed to open file");
        return Status::Failed;
    }
    std::array<std::uint8_t, kImageBufferSize> image{};
    if (encodeImage(config, image, reporter) != kImageSize) {
        return Status::Failed; // the encoder said why; the temporary goes with file
    }
    return finishSave(file, std::span(image).first<kImageSize>(), reporter);
}

Status saveConfigImage(const std::filesystem::path& path,
                       std::span<const std::uint8_t, kImageSize> image, Reporter& reporter) {
    ReplacingFile file(path);
    if (!file.open()) {
        reporter.message(kSaveFailed, "Failed to open file");
        return Status::Failed;
    }
    return finishSave(file, image, reporter);
}

} // namespace wl3
