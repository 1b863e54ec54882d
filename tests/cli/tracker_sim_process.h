#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace wl3::test {

// tools/tracker-sim running as a child process for the length of a test: a tracker on a
// pseudo-terminal whose device path is devicePath(). It ends when this object goes.
class TrackerSimProcess {
public:
    explicit TrackerSimProcess(const std::vector<std::string>& options = {});
    ~TrackerSimProcess();
    TrackerSimProcess(const TrackerSimProcess&) = delete;
    TrackerSimProcess& operator=(const TrackerSimProcess&) = delete;

    // Empty when the simulator did not start.
    const std::string& devicePath() const { return devicePath_; }

private:
    pid_t pid_ = -1;
    int stdinFd_ = -1;
    std::string devicePath_;
};

} // namespace wl3::test
