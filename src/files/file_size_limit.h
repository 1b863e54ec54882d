#pragma once

namespace wl3 {

// A write past the file size limit (ulimit -f) fails with EFBIG, which the save reports by
// the file's name, instead of ending the program at once and leaving its temporary behind.
// Call first thing in main. Nothing to do where no such signal exists.
void failWritesPastTheSizeLimit();

} // namespace wl3
