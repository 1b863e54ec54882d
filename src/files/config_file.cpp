#include "files/config_file.h"

#include "config/config_image.h"

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

// The file that actually gets replaced: saving through a link updates what it points at
// rather than turning the link into a file.
std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        auto target = std::filesystem::weakly_canonical(path, error);
        if (!error) {
            return target;
        }
    }
    return path;
}

// An existing file that could not be opened for writing must not be replaced behind the
// owner's back (a read-only file, say); the check opens it without truncating it.
bool existingFileIsWritable(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return true;
    }
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    return probe.is_open();
}

} // namespace

Status loadConfigFile(const std::filesystem::path& path, TrackerConfig& config, Reporter& reporter) {
    std::ifstream in(path, std::ios::binary);
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

Status saveConfigFile(const std::filesystem::path& path, TrackerConfig& config, Reporter& reporter) {
    const auto target = resolvedTarget(path);
    auto temporary = target;
    temporary += ".wl3-saving";

    std::ofstream out;
    if (existingFileIsWritable(target)) {
        out.open(temporary, std::ios::binary | std::ios::trunc);
    }
    if (!out.is_open()) {
        reporter.message(kSaveFailed, "Failed to open file");
        return Status::Failed;
    }

    std::error_code ignored;
    std::array<std::uint8_t, kImageBufferSize> image{};
    const int imageLength = encodeImage(config, image, reporter);
    if (imageLength != kImageSize) {
        out.close();
        std::filesystem::remove(temporary, ignored);
        return Status::Failed;
    }

    const std::array<char, 4> length{static_cast<char>(imageLength), 0, 0, 0};
    out.write(kMagic.data(), kMagic.size());
    out.write(length.data(), length.size());
    out.write(reinterpret_cast<const char*>(image.data()), imageLength);
    out.flush();
    out.close();

    if (!out.good()) {
        std::filesystem::remove(temporary, ignored);
        reporter.message(kSaveFailed, "Failed to write data");
        return Status::Failed;
    }

    std::error_code error;
    if (std::filesystem::exists(target, ignored)) {
        std::filesystem::permissions(temporary, std::filesystem::status(target, ignored).permissions(),
                                     ignored);
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        reporter.message(kSaveFailed, "Failed to write data");
        return Status::Failed;
    }
    return Status::Ok;
}

} // namespace wl3
