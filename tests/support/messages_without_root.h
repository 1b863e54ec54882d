#pragma once

#include "support/recording_reporter.h"

#include <array>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace wl3::test {

// What run reports when a user without root's rights runs it, every text in order. Root may
// open and write anything, so under root run goes to a child that has given those rights up.
inline std::string messagesWithoutRoot(const std::function<void(RecordingReporter&)>& run) {
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
        return "pipe failed";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(2);
        }
        RecordingReporter reporter;
        run(reporter);
        for (const auto& text : reporter.texts()) {
            [[maybe_unused]] auto written = write(pipeEnds[1], text.data(), text.size());
        }
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string shown;
    std::array<char, 256> chunk{};
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], chunk.data(), chunk.size())) > 0) {
        shown.append(chunk.data(), static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return shown;
}

} // namespace wl3::test
