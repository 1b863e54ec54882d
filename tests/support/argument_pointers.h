// The argv and envp arrays that execve and posix_spawn take, pointing into texts the caller
// keeps alive.
#pragma once

#include <string>
#include <vector>

namespace wl3::test {

inline std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace wl3::test
