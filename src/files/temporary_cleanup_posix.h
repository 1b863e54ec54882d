#pragma once

#include <string>

namespace wl3 {

// From now until stopRemovingTemporaryOnSignal, a signal that ends the program (Ctrl-C,
// SIGTERM, SIGHUP) first removes the temporary file name in folderFd, so that an interrupted
// save leaves nothing behind. A handler that was in place before keeps the decision: the
// signal goes to it, and the save runs to its end. One temporary at a time.
void removeTemporaryOnSignal(int folderFd, const std::string& name);
void stopRemovingTemporaryOnSignal();

} // namespace wl3
