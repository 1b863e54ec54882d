#include "files/text_file.h"

#include "files/whole_file.h"

#include <span>

namespace wl3 {

Status writeTextFile(const std::filesystem::path& path, std::string_view content,
                     Reporter& reporter) {
    return saveWholeFile(path, reporter, [content](ReplacingFile& file) {
        file.write(std::as_bytes(std::span(content)));
        return true;
    });
}

} // namespace wl3
