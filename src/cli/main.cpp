#include "cli/cli_app.h"
#include "cli/platform.h"
#include "files/file_size_limit.h"
#include "files/standard_descriptors.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    wl3::fillClosedStandardDescriptors();
    wl3::failWritesPastTheSizeLimit();
    // A .wl3 file goes to stdout byte for byte; text ends its lines as wl3's files do.
    wl3::useBinaryStandardOutput();
    return wl3::runCli(argc, argv, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1,
                       isatty(STDERR_FILENO) == 1);
}
