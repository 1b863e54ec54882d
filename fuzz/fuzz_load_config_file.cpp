#include "config/config_image.h"
#include "formats/config_file.h"
#include "support/discarding_reporter.h"
#include "text_checks.h"

#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace wl3;

bool hasMagic(const std::uint8_t* data) {
    const auto upper = [](std::uint8_t c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
    return upper(data[0]) == 'W' && upper(data[1]) == 'L' && data[2] == '3' &&
           upper(data[3]) == 'A';
}

// The file a loader of these bytes must accept: the magic in any letter case, the length
// 128 in little-endian order, and at least the image's bytes.
bool isWellFormed(const std::uint8_t* data, std::size_t size) {
    return size >= static_cast<std::size_t>(kConfigFileSize) && hasMagic(data) &&
           data[4] == kImageSize && data[5] == 0 && data[6] == 0 && data[7] == 0;
}

// The loader reads files by name: one file in memory for the whole run, named through
// the process's own descriptors.
struct ScratchFile {
    int fd = memfd_create("wl3-fuzz-load", 0);
    std::string path = "/proc/self/fd/" + std::to_string(fd);
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;
    if (ftruncate(scratch.fd, 0) != 0 ||
        pwrite(scratch.fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    const std::string& path = scratch.path;
    test::DiscardingReporter reporter;
    TrackerConfig loaded;
    loaded.calibration = 12345;
    const TrackerConfig before = loaded;
    const Status status = loadConfigFile(path, loaded, reporter);

    TrackerConfig expected = before;
    const Status expectedStatus =
        isWellFormed(data, size)
            ? decodeImage(
                  expected,
                  std::vector<std::uint8_t>(data + kConfigFileHeaderSize, data + kConfigFileSize),
                  reporter)
            : Status::Failed;
    // A refused file changes nothing; an accepted one holds what its image decodes to.
    if (status != expectedStatus || loaded != (status == Status::Ok ? expected : before)) {
        std::abort();
    }
    fuzz::requireTerminatedTexts(loaded);
    return 0;
}
