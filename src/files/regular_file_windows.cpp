#include "files/regular_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <io.h>

namespace wl3 {

RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                std::string& bytes, std::error_code& error) {
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return RegularFileRead::NotOpened;
    }
    if (error) {
        return RegularFileRead::NotOpened;
    }
    if (std::filesystem::is_directory(status)) {
        return RegularFileRead::IsFolder;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return RegularFileRead::NotAFile;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        error = std::error_code(errno != 0 ? errno : EACCES, std::generic_category());
        return RegularFileRead::NotOpened;
    }
    bytes.assign(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) {
        error = std::make_error_code(std::errc::io_error);
        return RegularFileRead::ReadFailed;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return RegularFileRead::Ok;
}

RegularFileRead readStandardInput(std::size_t limit, std::string& bytes, std::error_code& error) {
    // Text mode would turn CR LF into LF and stop at a 0x1A byte.
    _setmode(_fileno(stdin), _O_BINARY);
    bytes.assign(limit, '\0');
    const std::size_t count = std::fread(bytes.data(), 1, limit, stdin);
    if (std::ferror(stdin) != 0) {
        error = std::make_error_code(std::errc::io_error);
        return RegularFileRead::ReadFailed;
    }
    bytes.resize(count);
    return RegularFileRead::Ok;
}

} // namespace wl3
