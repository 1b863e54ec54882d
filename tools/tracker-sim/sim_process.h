#pragma once

// Starts tracker-sim as a child process, for tests and benchmarks.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace wl3::sim {

// The child ends with this object: on SIGTERM from the destructor, or when its stdin
// closes should the parent die first.
class SimProcess {
public:
    // stderrPath receives the simulator's log; empty leaves stderr as it is.
    SimProcess(const std::string& program, std::vector<std::string> options,
               const std::string& stderrPath = {}) {
        std::vector<std::string> args{program, "--exit-on-stdin-eof"};
        args.insert(args.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);

        int out[2];
        int in[2];
        if (!closeOnExecPipe(out)) {
            return;
        }
        if (!closeOnExecPipe(in)) {
            close(out[0]);
            close(out[1]);
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        if (!stderrPath.empty()) {
            posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        }
        posix_spawn_file_actions_addclose(&actions, in[1]);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        stdin_ = in[1];
        devicePath_ = firstLine(out[0]);
        close(out[0]);
    }

    ~SimProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (stdin_ >= 0) {
            close(stdin_);
        }
    }

    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool ok() const { return pid_ > 0 && !devicePath_.empty(); }

    // The pseudo-terminal the simulated tracker answers on.
    const std::string& devicePath() const { return devicePath_; }

private:
    // Each simulator gets only its own two pipe ends (the spawn's dup2 keeps those open), so
    // that one started later cannot hold an earlier one's stdin open past its parent.
    static bool closeOnExecPipe(int ends[2]) {
        if (pipe(ends) != 0) {
            return false;
        }
        fcntl(ends[0], F_SETFD, FD_CLOEXEC);
        fcntl(ends[1], F_SETFD, FD_CLOEXEC);
        return true;
    }

    static std::string firstLine(int fd) {
        std::string line;
        char c = 0;
        pollfd ready{fd, POLLIN, 0};
        while (poll(&ready, 1, 10'000) == 1 && read(fd, &c, 1) == 1 && c != '\n') {
            line += c;
        }
        return line;
    }

    pid_t pid_ = -1;
    int stdin_ = -1;
    std::string devicePath_;
};

} // namespace wl3::sim
