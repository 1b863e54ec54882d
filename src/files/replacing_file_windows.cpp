#include "files/replacing_file.h"

#include <atomic>
#include <cerrno>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <windows.h>

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

// Saves that have a temporary on disk. Ctrl-C ends a console program from a thread of its
// own; it waits here (a few seconds at most) until they have replaced their target or
// removed their temporary, so that none is left behind.
std::atomic<int> savesUnderWay{0};

BOOL WINAPI waitForSaves(DWORD /*event*/) {
    constexpr int kWaits = 300;
    for (int i = 0; i < kWaits && savesUnderWay > 0; ++i) {
        Sleep(10);
    }
    return FALSE; // the next handler, and in the end the system, goes on
}

void startSave() {
    if (savesUnderWay++ == 0) {
        SetConsoleCtrlHandler(waitForSaves, TRUE);
    }
}

void endSave() {
    if (--savesUnderWay == 0) {
        SetConsoleCtrlHandler(waitForSaves, FALSE);
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
    if (output_->opened) {
        endSave();
    }
}

bool ReplacingFile::open() {
    Output& out = *output_;
    out.destination = resolvedTarget(target_);
    std::error_code ignored;
    if (fs::is_directory(out.destination, ignored)) {
        fail({FileProblem::IsFolder});
        return false;
    }
    if (isReadOnly(out.destination)) {
        fail({FileProblem::IsReadOnly});
        return false;
    }
    const fs::path folder = out.destination.has_parent_path() ? out.destination.parent_path()
                                                              : fs::current_path(ignored);
    if (!fs::is_directory(folder, ignored)) {
        fail({FileProblem::FolderMissing});
        return false;
    }
    out.temporary = unusedTemporaryFor(out.destination);
    startSave();
    errno = 0;
    out.stream.open(out.temporary, std::ios::binary | std::ios::trunc);
    out.opened = out.stream.is_open();
    if (!out.opened) {
        const std::error_code error(errno != 0 ? errno : EACCES, std::generic_category());
        endSave();
        failInFolder(folder, {FileProblem::NoNewFile, error});
    }
    return out.opened;
}

bool ReplacingFile::probe() {
    Output& out = *output_;
    constexpr std::size_t kBlock = 4096;
    const std::string block(kBlock, '\0');
    out.stream.write(block.data(), static_cast<std::streamsize>(block.size()));
    out.stream.flush();
    if (!out.stream.good()) {
        fail({FileProblem::ShortWrite});
        return false;
    }
    return true;
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
        fail({FileProblem::ShortWrite});
        return false;
    }
    std::error_code ignored;
    if (fs::exists(out.destination, ignored)) {
        fs::permissions(out.temporary, fs::status(out.destination, ignored).permissions(), ignored);
    }
    std::error_code error;
    fs::rename(out.temporary, out.destination, error);
    out.committed = !error;
    if (error) {
        fail({FileProblem::System, error});
    }
    return out.committed;
}

} // namespace wl3
