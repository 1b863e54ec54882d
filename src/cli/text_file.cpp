#include "cli/text_file.h"

#include "files/replacing_file.h"

#include <fstream>
#include <iterator>

namespace wl3 {

Status writeTextFile(const std::filesystem::path& path, std::string_view content,
                     Reporter& reporter) {
    ReplacingFile file(path);
    if (!file.open()) {
        reporter.message("Save Failed", "Failed to open file");
        return Status::Failed;
    }
    file.write(std::as_bytes(std::span(content)));
    if (!file.commit()) {
        reporter.message("Save Failed", "Failed to write data");
        return Status::Failed;
    }
    return Status::Ok;
}

std::optional<std::string> readTextFile(const std::filesystem::path& path, Reporter& reporter) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        reporter.message("Load Failed", "Failed to open file");
        return std::nullopt;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        reporter.message("Load Failed", "Failed to read data");
        return std::nullopt;
    }
    return content;
}

} // namespace wl3
