#include "image_file.h"

#include "formats/config_file_header.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace wl3::sim {

std::optional<std::vector<std::uint8_t>> loadImageFile(const std::string& path,
                                                       std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot open";
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const std::optional<std::uint32_t> length = configFileImageLength(bytes);
    if (!length) {
        error = path + ": not a " + std::string(kConfigFileExtension) + " file";
        return std::nullopt;
    }
    const std::string_view image = configFileImage(bytes);
    if (image.size() != *length) {
        error = path + ": the length field does not match the file";
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(image.begin(), image.end());
}

bool saveImageFile(const std::string& path, const std::vector<std::uint8_t>& image) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << configFileHeader(static_cast<std::uint32_t>(image.size()));
        file.write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        if (!file.flush()) {
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace wl3::sim
