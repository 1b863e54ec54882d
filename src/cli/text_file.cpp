#include "cli/text_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace wl3 {

namespace {

constexpr std::string_view kSaveFailed = "Save Failed";

// Saving through a symbolic link replaces the file it points at, not the link.
std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        auto target = std::filesystem::weakly_canonical(path, error);
        if (!error) {
            return target;
        }
    }
    return path;
}

// A file its owner made read-only is not replaced behind the owner's back.
bool existingFileIsWritable(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return true;
    }
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    return probe.is_open();
}

} // namespace

Status writeTextFile(const std::filesystem::path& path, std::string_view content,
                     Reporter& reporter) {
    const auto target = resolvedTarget(path);
    auto temporary = target;
    temporary += ".saving";

    std::ofstream out;
    if (existingFileIsWritable(target)) {
        out.open(temporary, std::ios::binary | std::ios::trunc);
    }
    if (!out.is_open()) {
        reporter.message(kSaveFailed, "Failed to open file");
        return Status::Failed;
    }
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    out.close();

    std::error_code ignored;
    if (!out.good()) {
        std::filesystem::remove(temporary, ignored);
        reporter.message(kSaveFailed, "Failed to write data");
        return Status::Failed;
    }
    if (std::filesystem::exists(target, ignored)) {
        std::filesystem::permissions(
            temporary, std::filesystem::status(target, ignored).permissions(), ignored);
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        reporter.message(kSaveFailed, "Failed to write data");
        return Status::Failed;
    }
    return Status::Ok;
}

std::optional<std::string> readTextFile(const std::filesystem::path& path, Reporter& reporter) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        reporter.message("Load Failed", "Failed to open file");
        return std::nullopt;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        reporter.message("Load Failed", "Failed to read data");
        return std::nullopt;
    }
    return content;
}

} // namespace wl3
