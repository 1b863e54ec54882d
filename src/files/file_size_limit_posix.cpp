#include "files/file_size_limit.h"

#include <csignal>

namespace wl3 {

void failWritesPastTheSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace wl3
