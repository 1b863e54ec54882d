#include "files/file_messages.h"
#include "files/replacing_file.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace wl3 {

namespace fs = std::filesystem;

struct ReplacingFile::Output {
    fs::path destination; // the target with its links followed: the name replaced
    fs::path temporary;
    std::ofstream stream;
    bool opened = false;
    bool committed = false;
};

namespace {

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

// A file its owner made read-only is not replaced behind the owner's back.
bool isReadOnly(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// A name of our own beside the target, so that no file of the user's is overwritten.
fs::path unusedTemporaryFor(const fs::path& target) {
    std::random_device random;
    std::error_code error;
    while (true) {
        auto candidate = target;
        candidate += ".";
        candidate += std::to_string(random() % 1'000'000);
        candidate += ".saving";
        if (!fs::exists(candidate, error)) {
            return candidate;
        }
    }
}

} // namespace

ReplacingFile::ReplacingFile(const fs::path& target)
    : target_(target), output_(std::make_unique<Output>()) {}

ReplacingFile::~ReplacingFile() {
    if (output_->opened && !output_->committed) {
        output_->stream.close();
        std::error_code ignored;
        fs::remove(output_->temporary, ignored);
    }
}

bool ReplacingFile::open() {
    Output& out = *output_;
    out.destination = resolvedTarget(target_);
    std::error_code ignored;
    if (fs::is_directory(out.destination, ignored)) {
        reason_ = saveRefusal(target_, kIsFolder);
        return false;
    }
    if (isReadOnly(out.destination)) {
        reason_ = saveRefusal(target_, kIsReadOnly);
        return false;
    }
    out.temporary = unusedTemporaryFor(out.destination);
    out.stream.open(out.temporary, std::ios::binary | std::ios::trunc);
    out.opened = out.stream.is_open();
    return out.opened;
}

void ReplacingFile::write(std::span<const std::byte> bytes) {
    output_->stream.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
}

bool ReplacingFile::commit() {
    Output& out = *output_;
    out.stream.flush();
    out.stream.close();
    if (!out.opened || !out.stream.good()) {
        return false;
    }
    std::error_code ignored;
    if (fs::exists(out.destination, ignored)) {
        fs::permissions(out.temporary, fs::status(out.destination, ignored).permissions(), ignored);
    }
    std::error_code error;
    fs::rename(out.temporary, out.destination, error);
    out.committed = !error;
    return out.committed;
}

} // namespace wl3
