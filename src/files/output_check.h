#pragma once

#include "config/reporter.h"
#include "config/status.h"

#include <filesystem>

namespace wl3 {

// True when both paths name one existing file (the same device and inode), whatever links
// or spellings lead to it.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Fails, after reporting it under "Save Failed", when output is the very regular file that
// input names, or that standard input reads for an input "-": saving would destroy what is
// being converted. An output "-" is a stream, not a file.
Status checkOutputIsNotInput(const std::filesystem::path& input,
                             const std::filesystem::path& output, Reporter& reporter);

} // namespace wl3
