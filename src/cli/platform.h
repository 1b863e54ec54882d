#pragma once

namespace wl3 {

// What wl3 asks of the operating system beyond the standard library; one implementation
// per platform.

// From now until stopCatchingInterrupts, Ctrl-C and requests to terminate (SIGINT and
// SIGTERM, or the console's Ctrl-C and Ctrl-Break) end nothing: they are noted for
// interruptCaught, and a wait in progress returns early. Starting clears the note.
void startCatchingInterrupts();
void stopCatchingInterrupts();
bool interruptCaught();

// Standard output passes bytes as they are, without turning line ends into the platform's.
void useBinaryStandardOutput();

} // namespace wl3
