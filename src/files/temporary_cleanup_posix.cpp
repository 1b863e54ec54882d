#include "files/temporary_cleanup_posix.h"

#include <array>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace wl3 {

namespace {

constexpr std::array<int, 3> kEndingSignals{SIGINT, SIGTERM, SIGHUP};

// Set before the handlers go in and read only by them.
int temporaryFolder = -1;
std::array<char, 256> temporaryName{};
std::array<struct sigaction, kEndingSignals.size()> previous{};
bool installed = false;

extern "C" void removeTemporaryAndEnd(int signal, siginfo_t* info, void* context) {
    std::size_t i = 0;
    while (i + 1 < kEndingSignals.size() && kEndingSignals[i] != signal) {
        ++i;
    }
    const struct sigaction& before = previous[i];
    if ((before.sa_flags & SA_SIGINFO) != 0) {
        before.sa_sigaction(signal, info, context);
        return;
    }
    if (before.sa_handler == SIG_IGN) {
        return;
    }
    if (before.sa_handler != SIG_DFL) {
        before.sa_handler(signal);
        return;
    }
    ::unlinkat(temporaryFolder, temporaryName.data(), 0);
    // The default action, once this handler returns and the signal is unblocked.
    sigaction(signal, &before, nullptr);
    (void)raise(signal);
}

} // namespace

void removeTemporaryOnSignal(int folderFd, const std::string& name) {
    if (installed || name.size() >= temporaryName.size()) {
        return;
    }
    temporaryFolder = folderFd;
    temporaryName.fill('\0');
    std::memcpy(temporaryName.data(), name.data(), name.size());
    struct sigaction action {};
    action.sa_sigaction = removeTemporaryAndEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        sigaction(kEndingSignals[i], &action, &previous[i]);
    }
    installed = true;
}

void stopRemovingTemporaryOnSignal() {
    if (!installed) {
        return;
    }
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        sigaction(kEndingSignals[i], &previous[i], nullptr);
    }
    installed = false;
}

} // namespace wl3
