#include "cli/platform.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace wl3 {

namespace {

// Set from the thread the system starts for a console event.
std::atomic<bool> interrupted{false};

BOOL WINAPI noteInterrupt(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        interrupted = true;
        return TRUE;
    }
    return FALSE; // closing the console or logging off still ends the program
}

} // namespace

void startCatchingInterrupts() {
    interrupted = false;
    SetConsoleCtrlHandler(noteInterrupt, TRUE);
}

void stopCatchingInterrupts() {
    SetConsoleCtrlHandler(noteInterrupt, FALSE);
}

bool interruptCaught() {
    return interrupted;
}

void useBinaryStandardOutput() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

} // namespace wl3
