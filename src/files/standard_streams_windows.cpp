#include "files/standard_streams.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <windows.h>

namespace wl3 {

namespace {

// The volume and the index that tell a file apart, of a handle to it.
bool identityOf(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info) {
    return handle != INVALID_HANDLE_VALUE && handle != nullptr &&
           GetFileInformationByHandle(handle, &info) != 0;
}

} // namespace

bool isStandardInputFile(const std::filesystem::path& path) {
    BY_HANDLE_FILE_INFORMATION input{};
    if (!identityOf(GetStdHandle(STD_INPUT_HANDLE), input)) {
        return false;
    }
    const HANDLE named =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool same =
        identityOf(named, info) && info.dwVolumeSerialNumber == input.dwVolumeSerialNumber &&
        info.nFileIndexHigh == input.nFileIndexHigh && info.nFileIndexLow == input.nFileIndexLow;
    if (named != INVALID_HANDLE_VALUE) {
        CloseHandle(named);
    }
    return same;
}

// The console is the only terminal there, under its device names.
bool namesTerminal(const std::filesystem::path& path) {
    std::wstring name = path.filename().wstring();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return name == L"CON" || name == L"CONOUT$";
}

} // namespace wl3
