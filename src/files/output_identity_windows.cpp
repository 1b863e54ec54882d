#include "files/output_identity.h"
#include "files/whole_file.h"

#include <algorithm>
#include <cwctype>
#include <windows.h>

namespace wl3 {

namespace fs = std::filesystem;

namespace {

// The volume and the index of the file a handle is open on; a console or a pipe has none
// that a save could overwrite.
std::optional<FileIdentity> identityOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr ||
        GetFileType(handle) != FILE_TYPE_DISK || GetFileInformationByHandle(handle, &info) == 0) {
        return std::nullopt;
    }
    const bool folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow,
                        {},
                        !folder};
}

// The file at path, links followed; nothing when there is none.
std::optional<FileIdentity> identityOf(const fs::path& path) {
    const HANDLE named =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    auto identity = identityOf(named);
    if (named != INVALID_HANDLE_VALUE) {
        CloseHandle(named);
    }
    return identity;
}

} // namespace

std::optional<FileIdentity> savedFileIdentity(const fs::path& path,
                                              std::optional<FileReason>& refusal) {
    if (auto existing = identityOf(path)) {
        return existing;
    }
    // A new file: its folder's identity and its name, in one letter case as the system
    // compares names.
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const auto folderIdentity = identityOf(folder);
    if (!folderIdentity) {
        std::error_code error;
        if (fs::exists(folder, error) || error) {
            refusal = FileReason{FileProblem::System,
                                 error ? error : std::make_error_code(std::errc::not_a_directory)};
        } else {
            refusal = FileReason{FileProblem::FolderMissing};
        }
        return std::nullopt;
    }
    std::wstring name = path.filename().wstring();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    const std::u8string utf8 = fs::path(name).u8string();
    return FileIdentity{folderIdentity->volume, folderIdentity->index,
                        std::string(utf8.begin(), utf8.end()), true};
}

std::optional<FileIdentity> loadedFileIdentity(const fs::path& path) {
    return isStandardStream(path) ? identityOf(GetStdHandle(STD_INPUT_HANDLE)) : identityOf(path);
}

std::optional<FileIdentity> standardOutputIdentity() {
    return identityOf(GetStdHandle(STD_OUTPUT_HANDLE));
}

} // namespace wl3
