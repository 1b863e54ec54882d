#include "files/regular_file.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <io.h>
#include <system_error>

namespace wl3 {

RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return RegularFileRead::NotOpened;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return RegularFileRead::NotOpened;
    }
    bytes.assign(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) {
        return RegularFileRead::ReadFailed;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return RegularFileRead::Ok;
}

RegularFileRead readStandardInput(std::size_t limit, std::string& bytes) {
    // Text mode would turn CR LF into LF and stop at a 0x1A byte.
    _setmode(_fileno(stdin), _O_BINARY);
    bytes.assign(limit, '\0');
    const std::size_t count = std::fread(bytes.data(), 1, limit, stdin);
    if (std::ferror(stdin) != 0) {
        return RegularFileRead::ReadFailed;
    }
    bytes.resize(count);
    return RegularFileRead::Ok;
}

} // namespace wl3
