#include "files/output_identity.h"
#include "files/saved_path_posix.h"
#include "files/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wl3 {

namespace {

FileIdentity identityOf(const struct stat& info) {
    return {info.st_dev, info.st_ino, {}, S_ISREG(info.st_mode)};
}

std::optional<FileIdentity> identityOfDescriptor(int descriptor) {
    struct stat info {};
    if (fstat(descriptor, &info) != 0) {
        return std::nullopt;
    }
    return identityOf(info);
}

} // namespace

std::optional<FileIdentity> savedFileIdentity(const std::filesystem::path& path,
                                              std::optional<FileReason>& refusal) {
    SavedPath where;
    if (FileReason refused; !resolveSavedPath(path, where, refused)) {
        refusal = std::move(refused);
        return std::nullopt;
    }
    if (where.descriptor >= 0) {
        auto identity = identityOfDescriptor(where.descriptor);
        if (!identity) {
            refusal = FileReason{FileProblem::System, {errno, std::generic_category()}};
        }
        return identity;
    }
    struct stat info {};
    if (fstatat(where.folder.get(), where.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        return identityOf(info);
    }
    if (errno != ENOENT || fstat(where.folder.get(), &info) != 0) {
        refusal = FileReason{FileProblem::System, {errno, std::generic_category()}};
        return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino, where.name, true};
}

std::optional<FileIdentity> loadedFileIdentity(const std::filesystem::path& path) {
    if (isStandardStream(path)) {
        return identityOfDescriptor(STDIN_FILENO);
    }
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return identityOf(info);
}

std::optional<FileIdentity> standardOutputIdentity() {
    return identityOfDescriptor(STDOUT_FILENO);
}

} // namespace wl3
