// wl3 ports --watch while a USB serial adapter comes and goes, on a umockdev testbed: run
// under umockdev-wrapper, whose preload library wl3 inherits.
#include "support/temp_dir.h"
#include "support/usb_serial_testbed.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <regex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace wl3 {
namespace {

struct WatchCase {
    const char* name;
    friend void PrintTo(const WatchCase& row, std::ostream* out) { *out << row.name; }
    std::vector<std::string> options;
    std::string added;   // a pattern of the line for the adapter plugged in
    std::string removed; // and pulled out
};

class PortWatchTest : public ::testing::TestWithParam<WatchCase> {};

// The lines of path once there are count of them, or what there is after ten seconds.
std::vector<std::string> linesOnceThere(const std::filesystem::path& path, std::size_t count) {
    std::vector<std::string> lines;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        lines.clear();
        std::istringstream in(test::readAll(path));
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
    } while (lines.size() < count && std::chrono::steady_clock::now() < deadline);
    return lines;
}

// Whether the process sleeps, by its state in /proc, for at most ten seconds. wl3 ports
// --watch sleeps only in its wait for device events, so once it sleeps it listens.
bool sleepsSoon(pid_t process) {
    const std::string statFile = "/proc/" + std::to_string(process) + "/stat";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        // The state follows the command name in brackets, which may hold any character.
        const std::string stat = test::readAll(statFile);
        const std::size_t nameEnd = stat.rfind(')');
        if (nameEnd != std::string::npos && stat.compare(nameEnd, 3, ") S") == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST_P(PortWatchTest, PrintsALineForTheAdapterPluggedInAndOneForItPulledOut) {
    test::UsbSerialTestbed testbed;
    ASSERT_TRUE(test::UsbSerialTestbed::mocked()) << "run under umockdev-wrapper";
    const test::TempDir dir;
    const std::filesystem::path output = dir / "out";
    std::vector<std::string> arguments{WL3_BINARY_PATH, "ports", "--watch"};
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // Ctrl-C ends it even where the test was started ignoring it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    posix_spawnattr_setsigdefault(&attributes, &interrupt);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t child = -1;
    ASSERT_EQ(posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    EXPECT_TRUE(sleepsSoon(child)) << "wl3 never waited for device events";

    testbed.plug();
    linesOnceThere(output, 1);
    testbed.unplug();
    const std::vector<std::string> lines = linesOnceThere(output, 2);
    kill(child, SIGINT);
    int status = -1;
    waitpid(child, &status, 0);

    ASSERT_EQ(lines.size(), 2U) << test::readAll(output);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(GetParam().added))) << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(GetParam().removed))) << lines[1];
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

const std::string kTime = R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)";

INSTANTIATE_TEST_SUITE_P(
    Formats, PortWatchTest,
    ::testing::Values(WatchCase{"Text",
                                {},
                                kTime + "  added    COM1  /dev/ttyUSB0  USB2.0-Serial",
                                kTime + "  removed  COM1  /dev/ttyUSB0  USB2.0-Serial"},
                      WatchCase{"Json",
                                {"--json"},
                                R"(\{"time":")" + kTime +
                                    R"(","change":"added","port":"COM1","device":"/dev/ttyUSB0",)"
                                    R"("description":"USB2.0-Serial"\})",
                                R"(\{"time":")" + kTime +
                                    R"(","change":"removed","port":"COM1","device":"/dev/ttyUSB0",)"
                                    R"("description":"USB2.0-Serial"\})"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wl3
