#include "files/standard_streams.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <windows.h>

namespace wl3 {

// The console is the only terminal there, under its device names.
bool namesTerminal(const std::filesystem::path& path) {
    std::wstring name = path.filename().wstring();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return name == L"CON" || name == L"CONOUT$";
}

} // namespace wl3
