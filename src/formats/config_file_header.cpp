#include "formats/config_file_header.h"

#include <algorithm>
#include <array>

namespace wl3 {

namespace {

constexpr std::array<char, 4> kMagic{'W', 'L', '3', 'A'};
constexpr std::size_t kLengthOffset = kMagic.size();

char upperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool hasConfigFileMagic(std::string_view bytes) {
    return bytes.size() >= kMagic.size() &&
           std::equal(kMagic.begin(), kMagic.end(), bytes.begin(),
                      [](char magic, char c) { return upperCase(c) == magic; });
}

std::optional<std::uint32_t> configFileImageLength(std::string_view bytes) {
    if (bytes.size() < kConfigFileHeaderSize || !hasConfigFileMagic(bytes)) {
        return std::nullopt;
    }
    std::uint32_t length = 0;
    for (std::size_t i = kConfigFileHeaderSize; i > kLengthOffset; --i) {
        length = (length << 8) | static_cast<unsigned char>(bytes[i - 1]);
    }
    return length;
}

std::string_view configFileImage(std::string_view bytes) {
    return bytes.substr(std::min(bytes.size(), kConfigFileHeaderSize));
}

std::string configFileHeader(std::uint32_t imageLength) {
    std::string header(kMagic.begin(), kMagic.end());
    for (int i = 0; i < 4; ++i) {
        header += static_cast<char>((imageLength >> (8 * i)) & 0xFF);
    }
    return header;
}

} // namespace wl3
