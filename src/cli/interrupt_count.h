#pragma once

namespace wl3 {

// Called by each platform's handler for every interrupt it catches; counted for
// interruptsCaught and hangUpCaught. Lock-free, so that a signal handler may call it.
void noteInterruptCaught(bool hangUp);

} // namespace wl3
