#include "cli/cli_app.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    return wl3::runCli(argc, argv, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1,
                       isatty(STDERR_FILENO) == 1);
}
