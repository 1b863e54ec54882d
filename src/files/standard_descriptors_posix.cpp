#include "files/standard_descriptors.h"

#include <cerrno>
#include <fcntl.h>

namespace wl3 {

void fillClosedStandardDescriptors() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        // open() takes the lowest free number: this one, since those below are taken by now.
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF && open("/dev/null", O_RDONLY) < 0) {
            return;
        }
    }
}

} // namespace wl3
