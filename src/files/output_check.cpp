#include "files/output_check.h"

#include "files/file_messages.h"
#include "files/standard_streams.h"
#include "files/whole_file.h"

#include <system_error>

namespace wl3 {

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

Status checkOutputIsNotInput(const std::filesystem::path& input,
                             const std::filesystem::path& output, Reporter& reporter) {
    // Only a regular file loses its contents; a terminal may well be both, and "-" names
    // a stream, never a file of that name. An input "-" may be a file all the same.
    std::error_code error;
    if (isStandardStream(output) || !std::filesystem::is_regular_file(output, error)) {
        return Status::Ok;
    }
    if (!(isStandardStream(input) ? isStandardInputFile(output) : sameFile(input, output))) {
        return Status::Ok;
    }
    reporter.message(kSaveFailed, explainedFailure(kFailedToOpenFile, output, "is the input file"));
    return Status::Failed;
}

} // namespace wl3
