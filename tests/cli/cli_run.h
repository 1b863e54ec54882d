#pragma once

#include "cli/cli_app.h"

#include <sstream>
#include <string>
#include <vector>

namespace wl3::test {

// What wl3 ended with and printed, run in this process.
struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

// wl3 with arguments, as if typed after the program's name; no terminal, no colours.
inline CliResult runInProcess(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "wl3");
    std::vector<const char*> argv;
    for (const auto& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runCli(static_cast<int>(argv.size()), argv.data(), out, err, false, false);
    return {exitCode, out.str(), err.str()};
}

} // namespace wl3::test
