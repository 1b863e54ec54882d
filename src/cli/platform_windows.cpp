#include "cli/interrupt_count.h"
#include "cli/platform.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace wl3 {

namespace {

// Set from the thread the system starts for a console event.
std::atomic<bool> catching{false};

// The system ends the program once the handler of a console's close returns, and after five
// seconds at the latest.
constexpr DWORD kCloseGraceMs = 4500;
constexpr DWORD kCloseWaitStepMs = 10;

BOOL WINAPI noteInterrupt(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        noteInterruptCaught(kExitInterrupted);
        return TRUE;
    case CTRL_CLOSE_EVENT:
        // The hang-up of a console: the exchange gets what time there is to let the port go.
        noteInterruptCaught(kExitHungUp);
        for (DWORD waited = 0; catching && waited < kCloseGraceMs; waited += kCloseWaitStepMs) {
            Sleep(kCloseWaitStepMs);
        }
        return TRUE;
    default:
        return FALSE; // logging off or shutting down: only services see these
    }
}

} // namespace

void startCatchingInterrupts() {
    catching = true;
    SetConsoleCtrlHandler(noteInterrupt, TRUE);
}

void stopCatchingInterrupts() {
    SetConsoleCtrlHandler(noteInterrupt, FALSE);
    catching = false;
}

// Consoles before Windows 10 know no escapes: they get a line per tracker as it finishes.
bool terminalEscapesWork() {
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(err, &mode) != 0 &&
           SetConsoleMode(err, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

TerminalSize standardErrorSize() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info) == 0) {
        return {};
    }
    const SMALL_RECT& window = info.srWindow;
    return {static_cast<std::size_t>(window.Right - window.Left + 1),
            static_cast<std::size_t>(window.Bottom - window.Top + 1)};
}

std::optional<std::uint64_t> characterDeviceNumbers(const std::string& /*path*/) {
    return std::nullopt;
}

void useBinaryStandardOutput() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

std::optional<std::size_t> descriptorsLeft() {
    return std::nullopt; // handles have no limit a user sets
}

} // namespace wl3
