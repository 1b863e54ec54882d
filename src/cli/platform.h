#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace wl3 {

// What wl3 asks of the operating system beyond the standard library; one implementation
// per platform.

// From now until stopCatchingInterrupts, Ctrl-C, requests to terminate and the terminal
// hanging up (SIGINT, SIGTERM and SIGHUP, or the console's Ctrl-C, Ctrl-Break and close)
// end nothing: they are counted for interruptsCaught, and a wait in progress returns early.
// SIGPIPE is ignored meanwhile. A signal that wl3 was started ignoring stays ignored.
void startCatchingInterrupts();
void stopCatchingInterrupts();

// How many were caught since forgetInterrupts, and the exit status they ask for (see
// interrupt_count.h); 0 when none was caught.
int interruptsCaught();
int interruptExitStatus();
void forgetInterrupts();

// Whether standard error, a terminal, moves its cursor on the escape sequences that redraw a
// line in place; on Windows its console is first asked to.
bool terminalEscapesWork();

// The size of the terminal that standard error shows on, in characters; zero where unknown.
struct TerminalSize {
    std::size_t columns = 0;
    std::size_t rows = 0;
};
TerminalSize standardErrorSize();

// The device numbers of the character device that path leads to, which tell two names of
// one device apart; nothing when it leads to none, and always on Windows, whose ports have
// one name each.
std::optional<std::uint64_t> characterDeviceNumbers(const std::string& path);

// Standard output passes bytes as they are, without turning line ends into the platform's.
void useBinaryStandardOutput();

// How many more files this process may open under its limit, where the limit is low enough
// to matter (ulimit -n); nothing where it is not, and always on Windows.
std::optional<std::size_t> descriptorsLeft();

} // namespace wl3
