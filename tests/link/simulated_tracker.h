#pragma once

#include <cstdint>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace wl3::test {

// tracker-sim running as a child process for one test. It ends with the test: on SIGTERM
// from the destructor, or when its stdin closes should the test process die first.
class SimulatedTracker {
public:
    explicit SimulatedTracker(std::vector<std::string> options = {}) {
        static int instance = 0;
        const std::string base = ::testing::TempDir() + "wl3-sim-" + std::to_string(getpid()) +
                                 "-" + std::to_string(++instance);
        stateFile = base + ".wl3";
        logFile_ = base + ".log";

        std::vector<std::string> args{WL3_TRACKER_SIM, "--exit-on-stdin-eof", "--state-file",
                                      stateFile};
        args.insert(args.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);

        int out[2];
        int in[2];
        if (pipe(out) != 0 || pipe(in) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logFile_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        stdin_ = in[1];
        devicePath = firstLine(out[0]);
        close(out[0]);
    }

    ~SimulatedTracker() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (stdin_ >= 0) {
            close(stdin_);
        }
        std::remove(stateFile.c_str());
        std::remove(logFile_.c_str());
    }

    SimulatedTracker(const SimulatedTracker&) = delete;
    SimulatedTracker& operator=(const SimulatedTracker&) = delete;

    bool ok() const { return pid_ > 0 && !devicePath.empty(); }

    // Everything it logged so far, one event a line.
    std::string log() const {
        std::ifstream file(logFile_);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    // The image it holds, from its state file (written whole at start and after each write).
    std::vector<std::uint8_t> storedImage() const {
        std::ifstream file(stateFile, std::ios::binary);
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        return bytes.size() < 8 ? bytes : std::vector<std::uint8_t>(bytes.begin() + 8, bytes.end());
    }

    std::string devicePath;
    std::string stateFile;

private:
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
    std::string logFile_;
};

} // namespace wl3::test
