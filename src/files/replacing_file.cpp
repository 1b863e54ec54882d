#include "files/replacing_file.h"

namespace wl3 {

std::string ReplacingFile::explained(std::string_view text) const {
    std::string message(text);
    if (!reason_.empty()) {
        message += '\n' + reason_;
    }
    return message;
}

} // namespace wl3
