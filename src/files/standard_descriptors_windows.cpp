#include "files/standard_descriptors.h"

namespace wl3 {

// The C runtime keeps descriptors 0 to 2 for the standard streams even when the process has
// no handle behind them, so no file opened later can take their place.
void fillClosedStandardDescriptors() {}

} // namespace wl3
