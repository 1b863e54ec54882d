#include "tracker_sim_process.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace wl3::test {

TrackerSimProcess::TrackerSimProcess(const std::vector<std::string>& options) {
    int toSim[2];
    int fromSim[2];
    // Close-on-exec, so that the simulator holds no other end than the two it is given.
    if (pipe2(toSim, O_CLOEXEC) != 0) {
        return;
    }
    if (pipe2(fromSim, O_CLOEXEC) != 0) {
        close(toSim[0]);
        close(toSim[1]);
        return;
    }
    std::vector<std::string> arguments{TRACKER_SIM_PATH, "--exit-on-stdin-eof"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toSim[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromSim[1], STDOUT_FILENO);
    const int spawned =
        posix_spawn(&pid_, TRACKER_SIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toSim[0]);
    close(fromSim[1]);
    stdinFd_ = toSim[1];
    if (spawned != 0) {
        pid_ = -1;
        close(fromSim[0]);
        return;
    }
    // The first line on its stdout is the device path.
    char c = 0;
    while (read(fromSim[0], &c, 1) == 1 && c != '\n') {
        devicePath_ += c;
    }
    close(fromSim[0]);
}

TrackerSimProcess::~TrackerSimProcess() {
    if (stdinFd_ >= 0) {
        close(stdinFd_);
    }
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
}

} // namespace wl3::test
