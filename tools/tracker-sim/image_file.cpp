#include "image_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace wl3::sim {

namespace {

constexpr std::array<char, 4> kMagic{'W', 'L', '3', 'A'};
constexpr std::size_t kHeaderSize = 8;

} // namespace

std::optional<std::vector<std::uint8_t>> loadImageFile(const std::string& path,
                                                       std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot open";
        return std::nullopt;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    if (bytes.size() < kHeaderSize || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        error = path + ": not a .wl3 file";
        return std::nullopt;
    }
    const std::uint32_t length = bytes[4] | (bytes[5] << 8) | (bytes[6] << 16) |
                                 (static_cast<std::uint32_t>(bytes[7]) << 24);
    if (bytes.size() - kHeaderSize != length) {
        error = path + ": the length field does not match the file";
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(bytes.begin() + kHeaderSize, bytes.end());
}

bool saveImageFile(const std::string& path, const std::vector<std::uint8_t>& image) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        const auto length = static_cast<std::uint32_t>(image.size());
        const std::array<char, 4> lengthBytes{
            static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
            static_cast<char>((length >> 16) & 0xFF), static_cast<char>(length >> 24)};
        file.write(kMagic.data(), kMagic.size());
        file.write(lengthBytes.data(), lengthBytes.size());
        file.write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        if (!file.flush()) {
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace wl3::sim
