#include "ui/end_requests.h"

#include <QSocketNotifier>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <utility>

namespace wl3::ui {

namespace {

constexpr std::array<int, 3> kCaught{SIGTERM, SIGHUP, SIGINT};

// The pipe's end that the handler writes to; -1 while no watcher lives.
std::atomic<int> signalPipe{-1};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch it so");

// A handler may do next to nothing: the signal goes through the pipe to the event loop.
extern "C" void passOnSignal(int signal) {
    const int saved = errno;
    const auto number = static_cast<unsigned char>(signal);
    // A full pipe holds requests enough already.
    [[maybe_unused]] const ssize_t written = write(signalPipe, &number, 1);
    errno = saved;
}

bool makePipe(std::array<int, 2>& ends) {
    if (pipe(ends.data()) != 0) {
        return false;
    }
    for (const int end : ends) {
        fcntl(end, F_SETFD, FD_CLOEXEC);
        fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

// Catches the signals for as long as the owner lives, and puts the earlier handlers back.
class SignalWatcher : public QObject {
public:
    SignalWatcher(QObject& owner, std::function<void(const EndRequest&)> onEnd)
        : QObject(&owner), onEnd_(std::move(onEnd)) {
        if (!makePipe(ends_)) {
            ends_ = {-1, -1};
            return;
        }
        signalPipe = ends_[1];
        auto* notifier = new QSocketNotifier(ends_[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &SignalWatcher::takeSignals);
        struct sigaction action {};
        action.sa_handler = passOnSignal;
        sigemptyset(&action.sa_mask);
        // A signal handled here must not cut short a call the window or a link is making.
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kCaught.size(); ++i) {
            sigaction(kCaught[i], nullptr, &previous_[i]);
            // nohup, or a background job of a shell without job control.
            if (previous_[i].sa_handler != SIG_IGN) {
                sigaction(kCaught[i], &action, nullptr);
            }
        }
    }

    ~SignalWatcher() override {
        if (ends_[0] < 0) {
            return;
        }
        for (std::size_t i = 0; i < kCaught.size(); ++i) {
            sigaction(kCaught[i], &previous_[i], nullptr);
        }
        signalPipe = -1;
        close(ends_[0]);
        close(ends_[1]);
    }

    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

private:
    // Each byte read before it is answered, since an answer may run an event loop of its own
    // in which the notifier fires again.
    void takeSignals() {
        unsigned char signal = 0;
        while (read(ends_[0], &signal, 1) == 1) {
            onEnd_({128 + signal, false});
        }
    }

    std::function<void(const EndRequest&)> onEnd_;
    std::array<int, 2> ends_{-1, -1};
    std::array<struct sigaction, kCaught.size()> previous_{};
};

} // namespace

void watchEndRequests(QObject& owner, std::function<void(const EndRequest&)> onEnd) {
    new SignalWatcher(owner, std::move(onEnd));
}

} // namespace wl3::ui
