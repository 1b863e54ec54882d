#pragma once

#include <QObject>
#include <functional>

namespace wl3::ui {

// A program that a signal ends exits with 128 and the signal's number, as a shell reports it.
inline constexpr int kExitHungUp = 129;      // SIGHUP
inline constexpr int kExitInterrupted = 130; // SIGINT
inline constexpr int kExitTerminated = 143;  // SIGTERM

// The system asks the program to end: a signal, the session manager, the end of a session.
struct EndRequest {
    int exitStatus = kExitTerminated;
    // The system ends the program as soon as the request is answered, so the answer must
    // wait until no exchange is on the line.
    bool endsOnAnswer = false;
};

// Calls onEnd on owner's thread for every request to end the program, for as long as owner
// lives: SIGTERM, SIGHUP and SIGINT; on Windows a console's Ctrl-C, Ctrl-Break and close,
// and the end of the session. One implementation per system. The session manager's own
// request reaches the application as commitDataRequest.
void watchEndRequests(QObject& owner, std::function<void(const EndRequest&)> onEnd);

} // namespace wl3::ui
