#pragma once

#include "config/status.h"
#include "outcomes/reporter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace wl3 {

// A file that a run reads or writes, and what it is to the run, for messages: the report,
// the backup of a tracker. A path "-" is standard input among the inputs and standard
// output among the outputs.
struct RunFile {
    std::filesystem::path path;
    RunFileRole role;
};

// Fails, after reporting why as a failed save, before a run writes or sends anything,
// when one of outputs could not be saved where it stands (a link on its way that is not
// followed, a folder that does not exist, a file or folder that may not be written, a pipe,
// a full disk), when two outputs are one file (by name, by a link, by a second name of one
// device and inode) or when an output is one of inputs. Only files that a save overwrites
// are compared: a terminal or /dev/null may well be both. Outputs with an empty path, and
// a folder that the run makes, are not written to.
Status checkOutputPlan(const std::vector<RunFile>& outputs, const std::vector<RunFile>& inputs,
                       Reporter& reporter);

// The same for a run with one input and one output ("-" is standard output).
Status checkOutputIsNotInput(const std::filesystem::path& input,
                             const std::filesystem::path& output, Reporter& reporter);

} // namespace wl3
