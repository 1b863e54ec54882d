#pragma once

namespace wl3 {

// Opens the null device onto each of descriptors 0 to 2 that is closed, so that no file the
// program opens later takes that number and receives what was meant for a standard stream
// (a warning inside a saved file, a message on the serial line). Standard output and error
// are opened for reading only: what is then written there fails, and wl3 says so, rather
// than vanishing as if it had been shown. Call first thing in main.
void fillClosedStandardDescriptors();

} // namespace wl3
