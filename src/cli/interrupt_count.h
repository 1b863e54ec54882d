#pragma once

namespace wl3 {

// As a shell reports a program that Ctrl-C, a hang-up or a request to terminate ended (128
// and the signal's number); wl3 ends its exchange cleanly first.
inline constexpr int kExitInterrupted = 130;
inline constexpr int kExitHungUp = 129;
inline constexpr int kExitTerminated = 143;

// Called by each platform's handler for every interrupt it catches, with the exit status
// that a shell expects of a program it ended (129 for a hang-up, 130 for Ctrl-C, 143 for a
// request to terminate); counted for interruptsCaught and interruptExitStatus. Lock-free,
// so that a signal handler may call it.
void noteInterruptCaught(int exitStatus);

} // namespace wl3
