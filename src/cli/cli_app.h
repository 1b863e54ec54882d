#pragma once

#include <ostream>

namespace wl3 {

// The whole of wl3: parses the arguments, runs the command and returns the exit status
// (0 success, 1 the command failed, 2 a usage error, 130 an exchange interrupted). Results
// go to out, which takes no binary file when outIsTerminal; messages, help for a usage
// error and, when errIsTerminal, the progress of device exchanges go to err.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           bool outIsTerminal, bool errIsTerminal);

} // namespace wl3
