#include "files/file_size_limit.h"

namespace wl3 {

void failWritesPastTheSizeLimit() {}

} // namespace wl3
