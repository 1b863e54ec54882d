#include "files/replacing_file.h"

#include <random>
#include <string>
#include <system_error>

namespace wl3 {
namespace {

namespace fs = std::filesystem;

// Saving through a link updates what it points at rather than turning it into a file.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        auto target = fs::weakly_canonical(path, error);
        if (!error) {
            return target;
        }
    }
    return path;
}

// A file its owner made read-only is not replaced behind the owner's back; the check
// opens it without truncating it.
bool existingFileIsWritable(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        return true;
    }
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    return probe.is_open();
}

// A name of our own beside the target, so that no file of the user's is overwritten.
fs::path unusedTemporaryFor(const fs::path& target) {
    std::random_device random;
    std::error_code error;
    while (true) {
        auto candidate = target;
        candidate += "." + std::to_string(random() % 1'000'000) + ".saving";
        if (!fs::exists(candidate, error)) {
            return candidate;
        }
    }
}

} // namespace

ReplacingFile::ReplacingFile(const fs::path& target)
    : target_(resolvedTarget(target)), temporary_(unusedTemporaryFor(target_)) {}

ReplacingFile::~ReplacingFile() {
    if (opened_ && !committed_) {
        out_.close();
        std::error_code ignored;
        fs::remove(temporary_, ignored);
    }
}

bool ReplacingFile::open() {
    if (existingFileIsWritable(target_)) {
        out_.open(temporary_, std::ios::binary | std::ios::trunc);
    }
    opened_ = out_.is_open();
    return opened_;
}

void ReplacingFile::write(std::span<const std::byte> bytes) {
    out_.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

bool ReplacingFile::commit() {
    out_.flush();
    out_.close();
    if (!out_.good()) {
        return false;
    }
    std::error_code ignored;
    if (fs::exists(target_, ignored)) {
        fs::permissions(temporary_, fs::status(target_, ignored).permissions(), ignored);
    }
    std::error_code error;
    fs::rename(temporary_, target_, error);
    committed_ = !error;
    return committed_;
}

} // namespace wl3
