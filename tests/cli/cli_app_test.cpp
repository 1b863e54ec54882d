#include "cli/cli_app.h"
#include "cli_run.h"
#include "link/serial_link.h"
#include "sim_process.h"
#include "support/messages_without_root.h"
#include "support/pty_pair.h"
#include "support/simulated_tracker.h"
#include "support/temp_dir.h"

#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace wl3 {
namespace {

using test::CliResult;
using test::runInProcess;

// The installed program as a user runs it, with stdout and stderr in files and stdin from
// input; launcher, when given, runs it (such as "timeout 10").
CliResult runBinary(const test::TempDir& dir, const std::string& arguments,
                    const std::string& launcher = {}, const std::string& input = "/dev/null") {
    const auto out = dir / "stdout.txt";
    const auto err = dir / "stderr.txt";
    const std::string command = launcher + " " + std::string(WL3_BINARY_PATH) + " " + arguments +
                                " >" + out.string() + " 2>" + err.string() + " <" + input;
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status)) << command;
    return {WEXITSTATUS(status), test::readAll(out), test::readAll(err)};
}

TEST(CliApp, UsageErrorsExitWithTwoAndSayWhy) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "A subcommand is required"},
        {{"frobnicate"}, "frobnicate"},
        {{"show"}, "FILE is required"},
        {{"show", "config.txt"}, "a file name ending in .wl3 or .json, not \"config.txt\""},
        {{"import", "in.json"}, "--output is required"},
        {{"read"}, "--output is required"},
        {{"read", "-o", "out.bin"}, "a file name ending in .wl3 or .json, not \"out.bin\""},
        {{"write", "in.wl3", "--backup", "old"}, "not \"old\""},
        {{"version", "--port", "COM5"}, "COM1 to COM4 or a device path, not \"COM5\""},
        {{"version", "--port", ""}, "COM1 to COM4 or a device path"},
        {{"tone"}, "TONE is required"},
        {{"tone", "1000"}, "1000 not in {1200,2200,both,stop}"},
        {{"ports", "extra"}, "extra"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto result = runInProcess(arguments);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(arguments);
        EXPECT_NE(result.err.find(message), std::string::npos)
            << testing::PrintToString(arguments) << ": " << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST(CliApp, HelpOfEveryCommandFitsEightyColumns) {
    for (const std::string command :
         {"", "show", "export", "import", "ports", "version", "read", "write", "tone"}) {
        SCOPED_TRACE(command);
        const auto result =
            runInProcess(command.empty() ? std::vector<std::string>{"--help"}
                                         : std::vector<std::string>{command, "--help"});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_NE(result.out.find("Usage: wl3"), std::string::npos);
        EXPECT_NE(result.out.find("Exit status: 0 on success"), std::string::npos);
        std::istringstream lines(result.out);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), 80u) << line;
        }
    }
}

TEST(CliApp, HelpNamesEveryCommandAndOption) {
    const auto top = runInProcess({"--help"});
    for (const char* command :
         {"show", "export", "import", "ports", "version", "read", "write", "tone"}) {
        EXPECT_NE(top.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    }
    EXPECT_NE(runInProcess({"write", "--help"}).out.find("--backup FILE"), std::string::npos);
    EXPECT_NE(runInProcess({"read", "--help"}).out.find("-p,--port PORT=COM1"), std::string::npos);
    EXPECT_NE(runInProcess({"tone", "--help"}).out.find("1200 or 2200 (Hz), both, or stop"),
              std::string::npos);
}

TEST(CliApp, TheProgramsExitStatusesAndStreams) {
    test::TempDir dir;
    EXPECT_EQ(runBinary(dir, "").exitCode, 2);
    EXPECT_EQ(runBinary(dir, "--help").exitCode, 0);
    EXPECT_EQ(runBinary(dir, "--version").out, std::string(WL3_VERSION) + "\n");

    const auto missing = runBinary(dir, "show " + (dir / "missing.wl3").string());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "Load Failed: Failed to open file: " + (dir / "missing.wl3").string() +
                               ": does not exist\n");

    test::writeAll(dir / "in.json", R"({"primary": {"callsign": "W1AW"}})");
    const auto imported =
        runBinary(dir, "import " + (dir / "in.json").string() + " -o " + (dir / "a.wl3").string());
    EXPECT_EQ(imported.exitCode, 0);
    EXPECT_EQ(imported.err, "");
    const auto shown = runBinary(dir, "show " + (dir / "a.wl3").string());
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_NE(shown.out.find("Callsign:                W1AW                        NOCALL\n"),
              std::string::npos);

    // Output that does not arrive is a failure, the help's and the version's too; a closed
    // stdout is given a descriptor that takes no writes.
    for (const std::string& unwritable :
         std::vector<std::string>{"show " + (dir / "a.wl3").string() + " >/dev/full",
                                  "--help >/dev/full", "--version >&-"}) {
        const int status = std::system((std::string(WL3_BINARY_PATH) + " " + unwritable + " 2>" +
                                        (dir / "stderr.txt").string())
                                           .c_str());
        EXPECT_EQ(WEXITSTATUS(status), 1) << unwritable;
        EXPECT_EQ(test::readAll(dir / "stderr.txt"), "Failed to write to standard output\n")
            << unwritable;
    }
}

// A file opened while stderr is closed would take its descriptor: the encoder's warning
// would go into the saved file, a failed command's message onto the serial line.
TEST(CliApp, AClosedStandardErrorTakesNoFile) {
    test::TempDir dir;
    test::writeAll(dir / "long.json",
                   R"({"primary": {"statusText": ")" + std::string(100, 'p') + R"("}})");
    const std::string import = std::string(WL3_BINARY_PATH) + " import --allow-cut-text " +
                               (dir / "long.json").string() + " -o ";
    ASSERT_EQ(std::system((import + (dir / "open.wl3").string() + " 2>/dev/null").c_str()), 0);
    EXPECT_EQ(std::system((import + (dir / "closed.wl3").string() + " 2>&-").c_str()), 0);
    EXPECT_EQ(test::readAll(dir / "closed.wl3"), test::readAll(dir / "open.wl3"));

    test::PtyPair line; // a port with nothing that answers
    ASSERT_TRUE(line.ok());
    const int status = std::system(
        (std::string(WL3_BINARY_PATH) + " version --port " + line.devicePath + " 2>&-").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(line.receive(100, std::chrono::milliseconds(500)),
              (std::vector<std::uint8_t>{0x1B, 0x1B, 'V'}));
}

// Nothing but a regular file is read: a FIFO would hang the load and a device feed it
// without end.
TEST(CliApp, InputsThatAreNoFileFailAtOnce) {
    test::TempDir dir;
    std::vector<std::pair<std::string, std::string>> inputs; // with why each is refused
    const std::string notAFile = "is not a file (a device, a pipe or a socket)";
    for (const std::string extension : {".wl3", ".json"}) {
        const auto folder = dir / ("folder" + extension);
        const auto fifo = dir / ("fifo" + extension);
        const auto zero = dir / ("zero" + extension);
        std::filesystem::create_directory(folder);
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        std::filesystem::create_symlink("/dev/zero", zero);
        inputs.insert(inputs.end(), {{folder.string(), "is a folder"},
                                     {fifo.string(), notAFile},
                                     {zero.string(), notAFile}});
    }
    for (const std::string command : {"show", "export", "write --port /dev/wl3-no-such-port"}) {
        for (const auto& [input, reason] : inputs) {
            const auto result = runBinary(dir, command + " " + input, "timeout 10");
            EXPECT_EQ(result.exitCode, 1) << command << " " << input;
            EXPECT_EQ(result.err,
                      "Load Failed: Failed to open file: " + input + ": " + reason + "\n")
                << command;
        }
    }

    test::writeAll(dir / "huge.json", "{" + std::string(2 << 20, ' ') + "}");
    const auto huge = runBinary(dir, "show " + (dir / "huge.json").string());
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_EQ(huge.err, "Load Failed: File too large for a configuration: " +
                            (dir / "huge.json").string() + ": is larger than 1 MiB\n");
}

TEST(CliApp, ADashStandsForStandardInputAndOutput) {
    test::TempDir dir;
    test::writeAll(dir / "in.json", R"({"primary": {"callsign": "W1AW"}})");
    ASSERT_EQ(
        runBinary(dir, "import " + (dir / "in.json").string() + " -o " + (dir / "a.wl3").string())
            .exitCode,
        0);
    const auto piped = runBinary(dir, "import - -o -", {}, (dir / "in.json").string());
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.out, test::readAll(dir / "a.wl3"));

    // show tells the two kinds apart by their bytes.
    const auto shownWl3 = runBinary(dir, "show -", {}, (dir / "a.wl3").string());
    const auto shownJson = runBinary(dir, "show -", {}, (dir / "in.json").string());
    EXPECT_EQ(shownWl3.exitCode, 0);
    EXPECT_EQ(shownJson.exitCode, 0);
    EXPECT_NE(shownWl3.out.find("W1AW"), std::string::npos);
    EXPECT_NE(shownJson.out.find("W1AW"), std::string::npos);

    const auto exported = runBinary(dir, "export - -o -", {}, (dir / "a.wl3").string());
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.out, runBinary(dir, "export " + (dir / "a.wl3").string()).out);

    // A stream without end is read only up to the limit.
    const auto endless = runBinary(dir, "show -", "timeout 10", "/dev/zero");
    EXPECT_EQ(endless.exitCode, 1);
    EXPECT_EQ(endless.err, "Load Failed: File too large for a configuration: standard input: is "
                           "larger than 1 MiB\n");
}

// A standard stream named as a file: the input read through "-" is not replaced by the
// output, and /dev/stdout is written where the stream stands, in append mode too.
TEST(CliApp, StandardStreamsNamedAsFilesAreTheStreams) {
    test::TempDir dir;
    test::writeAll(dir / "in.json", R"({"primary": {"callsign": "W1AW"}})");
    const auto wl3 = dir / "s.wl3";
    ASSERT_EQ(
        runBinary(dir, "import " + (dir / "in.json").string() + " -o " + wl3.string()).exitCode, 0);
    const std::string image = test::readAll(wl3);
    for (const std::string& command :
         {"export - -o " + wl3.string(),
          "write - --port /dev/wl3-no-such-port --backup " + wl3.string()}) {
        const auto refused = runBinary(dir, command, {}, wl3.string());
        EXPECT_EQ(refused.exitCode, 1) << command;
        EXPECT_EQ(refused.err,
                  "Save Failed: Failed to open file: " + wl3.string() + ": is the input file\n")
            << command;
        EXPECT_EQ(test::readAll(wl3), image) << command;
    }

    // Standard output opened on the input, for reading and writing or for appending: the
    // input is kept.
    const auto json = dir / "in.json";
    const std::string jsonText = test::readAll(json);
    for (const auto& [command, input] : std::vector<std::pair<std::string, std::filesystem::path>>{
             {"import " + json.string() + " -o - 1<>" + json.string(), json},
             {"import " + json.string() + " -o - >>" + json.string(), json},
             {"export " + wl3.string() + " 1<>" + wl3.string(), wl3},
             {"export - -o - <" + wl3.string() + " >>" + wl3.string(), wl3}}) {
        const auto err = dir / "stderr.txt";
        const std::string line =
            std::string(WL3_BINARY_PATH) + " " + command + " 2>" + err.string();
        const int status = std::system(line.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command;
        EXPECT_EQ(test::readAll(err),
                  "Save Failed: Failed to open file: standard output: is the input file\n")
            << command;
        EXPECT_EQ(test::readAll(input), input == json ? jsonText : image) << command;
    }

    const auto log = dir / "log.txt";
    test::writeAll(log, "HEADER\n");
    const std::string appended = std::string(WL3_BINARY_PATH) + " export " + wl3.string() +
                                 " -o /dev/stdout >>" + log.string();
    ASSERT_EQ(std::system(appended.c_str()), 0);
    EXPECT_EQ(test::readAll(log), "HEADER\n" + runBinary(dir, "export " + wl3.string()).out);
}

// wl3 with arguments, stdin on /dev/null, stdout on stdoutPath and stderr on stderrPath (a
// terminal, or a file that is made); not waited for.
pid_t startWl3(std::vector<std::string> arguments, const std::string& stderrPath,
               const std::string& stdoutPath = "/dev/null") {
    arguments.insert(arguments.begin(), WL3_BINARY_PATH);
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath.c_str(), O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath.c_str(),
                                     O_WRONLY | O_NOCTTY | O_CREAT | O_TRUNC, 0600);
    pid_t child = -1;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        child = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// Calls meanwhile until child ends, for at most the time given; false, after killing it,
// when it did not end.
bool waitForExit(pid_t child, int& status, const std::function<void()>& meanwhile,
                 std::chrono::seconds within = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + within;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        meanwhile();
    }
    return true;
}

// Until text appears in what read() returns, for at most 30 seconds.
bool waitForText(const std::string& text, const std::function<std::string()>& read) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (read().find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Whether a user without root's rights may open the device now: the exclusive mark turns
// such a user away, and root alone would not notice it. (Asked by what the mark does, since
// qemu, which runs the tests built for the Raspberry Pi, knows no TIOCGEXCL.)
bool opensWithoutRoot(const std::string& device) {
    if (geteuid() == 0 && chmod(device.c_str(), 0666) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(2);
        }
        _exit(open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK) >= 0 ? 0 : 1);
    }
    int status = -1;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Free at once, for another program too: no lock, no exclusive mark.
void expectPortFree(const std::string& device) {
    const int port = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(port, 0);
    EXPECT_EQ(flock(port, LOCK_EX | LOCK_NB), 0);
    close(port);
    EXPECT_TRUE(opensWithoutRoot(device)) << device;
}

// wl3 with stderr on a terminal (so that it draws its progress), signalled once the write
// has sent some bytes: a first signal lets the image finish, a second cuts it short. Either
// way the port is released, the message says what the tracker holds, and the write the
// message advises works at once.
TEST(CliApp, AnInterruptedWriteFinishesTheImageUnlessInterruptedTwiceAndARetrySucceeds) {
    test::TempDir dir;
    test::PtyPair terminal;
    ASSERT_TRUE(terminal.ok());
    test::writeAll(dir / "new.json", R"({"primary": {"callsign": "W1AW"}})");
    struct Case {
        std::vector<int> signals;
        std::string message;
        bool imageStored;
        int exitStatus; // as a shell expects of the first signal
    };
    const std::vector<Case> cases{
        {{SIGTERM},
         "Interrupted: the whole image was sent, but not read back to verify it.",
         true,
         143},
        {{SIGINT, SIGINT},
         "Interrupted while writing: the tracker may now hold a partial image. Write the "
         "configuration again.",
         false,
         130},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.signals.size());
        test::SimulatedTracker sim;
        ASSERT_TRUE(sim.ok());
        const pid_t child =
            startWl3({"write", (dir / "new.json").string(), "--port", sim.devicePath()},
                     terminal.devicePath);
        ASSERT_GT(child, 0);
        std::string shown;
        const auto receive = [&] {
            const auto bytes = terminal.receive(4096, std::chrono::milliseconds(20));
            shown.append(bytes.begin(), bytes.end());
            return shown;
        };
        ASSERT_TRUE(waitForText("Writing the configuration... 20/128 bytes", receive)) << shown;
        // The terminal falls behind (paused, or slow over a network), so wl3 is stuck
        // drawing progress when the signal comes: the messages must still get out.
        const std::string backlog(1024, '.');
        while (write(terminal.observer, backlog.data(), backlog.size()) > 0) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        kill(child, c.signals.front());
        if (c.signals.size() > 1) {
            ASSERT_TRUE(waitForText("\r\nInterrupted: sending the rest of the image first, so "
                                    "that the tracker is not left with part of it (Ctrl-C "
                                    "again stops at once)\r\n",
                                    receive))
                << shown;
            kill(child, c.signals.back());
        }
        int status = 0;
        ASSERT_TRUE(waitForExit(child, status, receive)) << "wl3 did not stop: " << shown;
        // The terminal hands on what wl3 wrote in its own time, slowly on a loaded machine.
        EXPECT_TRUE(waitForText("bytes\r\n" + c.message + "\r\n", receive)) << shown;
        ASSERT_TRUE(WIFEXITED(status)) << shown;
        EXPECT_EQ(WEXITSTATUS(status), c.exitStatus);
        expectPortFree(sim.devicePath());
        // The tracker takes the image's last byte in its own time, maybe after wl3 has ended.
        const std::string logged = c.imageStored ? sim.logOnceItHas("image written") : sim.log();
        EXPECT_EQ(logged.find("image written") != std::string::npos, c.imageStored) << logged;

        const auto retried =
            runBinary(dir, "write " + (dir / "new.json").string() + " --port " + sim.devicePath());
        EXPECT_EQ(retried.exitCode, 0) << retried.err;
        EXPECT_EQ(retried.err, "Wrenlink3 Write: Write Successful\n");
    }
}

// Outside its exchanges wl3 leaves the signals alone: blocked on an output that nobody
// reads, it ends on Ctrl-C. Within one, a hang-up (a closed terminal or ssh session) stops it as
// SIGTERM would, so that the port is left free for an ordinary user.
TEST(CliApp, SignalsEndWl3OutsideExchangesAndAHangUpReleasesThePort) {
    test::TempDir dir;
    test::SimulatedTracker sim;
    test::SimulatedTracker hungUpOn;
    ASSERT_TRUE(sim.ok() && hungUpOn.ok());
    const std::string err = (dir / "stderr.txt").string();
    const auto errText = [&] { return test::readAll(err); };
    // Held open, full and never read: once the tracker is read, wl3's output waits.
    const std::filesystem::path fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int held = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(held, 0);
    const std::string filler(4096, '.');
    while (write(held, filler.data(), filler.size()) > 0) {
    }

    pid_t child = startWl3({"read", "-o", "-", "--port", sim.devicePath()}, err, fifo.string());
    ASSERT_GT(child, 0);
    ASSERT_TRUE(waitForText("Read Successful", errText)) << errText();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, WNOHANG), 0) << "wl3 did not wait for a reader";
    kill(child, SIGINT);
    ASSERT_TRUE(waitForExit(child, status, [] {})) << "Ctrl-C did not end wl3";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);

    child =
        startWl3({"read", "-o", (dir / "read.wl3").string(), "--port", hungUpOn.devicePath()}, err);
    ASSERT_GT(child, 0);
    ASSERT_TRUE(waitForText("image read 1", [&] { return hungUpOn.log(); })) << hungUpOn.log();
    kill(child, SIGHUP);
    ASSERT_TRUE(waitForExit(child, status, [] {}));
    ASSERT_TRUE(WIFEXITED(status)) << hungUpOn.log();
    EXPECT_EQ(WEXITSTATUS(status), 129);
    EXPECT_EQ(errText(), "Interrupted\n");
    // Root would open a port marked exclusive; a user is refused.
    ASSERT_EQ(chmod(hungUpOn.devicePath().c_str(), 0666), 0);
    EXPECT_EQ(test::messagesWithoutRoot([&](test::RecordingReporter& reporter) {
                  SerialLink link(reporter, makeSystemSerialPort(),
                                  [&](int) { return hungUpOn.devicePath(); });
                  std::array<char, 30> version{};
                  link.queryVersion(version);
              }),
              "");
    close(held);
}

// wl3 with arguments, with resource limited to limit, its stderr read through a pipe: a file
// would fall under a file size limit itself.
CliResult runLimited(int resource, rlim_t limit, std::vector<std::string> arguments) {
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
        return {-1, {}, "no pipe"};
    }
    arguments.insert(arguments.begin(), WL3_BINARY_PATH);
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limited{limit, limit};
        dup2(pipeEnds[1], STDERR_FILENO);
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        setrlimit(resource, &limited);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string err;
    std::array<char, 4096> chunk{};
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], chunk.data(), chunk.size())) > 0) {
        err.append(chunk.data(), static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), {}, err};
}

// The limits a user or a service sets end in a message, not in a crash: a file size limit
// fails the save by the file's name and leaves no temporary; an address space too small
// says so; too few descriptors make a fleet serve fewer trackers at once rather than fail
// most of them.
TEST(CliApp, LimitsEndInAMessageNotACrash) {
    test::TempDir dir;
    const auto wl3 = dir / "a.wl3";
    test::writeAll(dir / "a.json", "{}");
    ASSERT_EQ(
        runBinary(dir, "import " + (dir / "a.json").string() + " -o " + wl3.string()).exitCode, 0);
    const auto json = dir / "e.json";

    const auto sized = runLimited(RLIMIT_FSIZE, 0, {"export", wl3.string(), "-o", json.string()});
    EXPECT_EQ(sized.exitCode, 1);
    EXPECT_EQ(sized.err,
              "Save Failed: Failed to write data: " + json.string() + ": File too large\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              4) // a.json, a.wl3 and the two outputs of runBinary: no temporary
        << "a temporary was left";

// The sanitizer's shadow memory needs far more address space, and an emulator takes the
// limit for itself.
#if !defined(__SANITIZE_ADDRESS__) && !defined(WL3_UNDER_EMULATOR)
    // Where the allocation that fails falls depends on the libraries: over a range of
    // limits, wl3 either cannot start, does its work, or says it ran out, and never aborts.
    bool ranOut = false;
    for (rlim_t megabytes = 4; megabytes <= 16; ++megabytes) {
        const auto starved =
            runLimited(RLIMIT_AS, megabytes << 20,
                       {"write", (dir / "a.json").string(), "--port", "/dev/wl3-no"});
        SCOPED_TRACE(megabytes);
        EXPECT_TRUE(starved.exitCode == 1 || starved.exitCode == 127) << starved.err;
        ranOut = ranOut || starved.err == "out of memory\n";
    }
    EXPECT_TRUE(ranOut) << "no limit tried left wl3 short of memory";
#endif

    std::vector<std::unique_ptr<test::SimulatedTracker>> trackers;
    std::vector<std::string> arguments{"version"};
    for (int i = 0; i < 10; ++i) {
        trackers.push_back(std::make_unique<test::SimulatedTracker>());
        ASSERT_TRUE(trackers.back()->ok());
        arguments.insert(arguments.end(), {"--port", trackers.back()->devicePath()});
    }
    const auto few = runLimited(RLIMIT_NOFILE, 12, arguments);
    EXPECT_EQ(few.exitCode, 0) << few.err;
    EXPECT_EQ(few.err.rfind("At most ", 0), 0u) << few.err;
    EXPECT_EQ(few.err.find("Too many open files"), std::string::npos) << few.err;
}

TEST(CliApp, TheProgramTalksToTheSimulatedTracker) {
    test::TempDir dir;
    sim::SimProcess sim(WL3_TRACKER_SIM, {});
    ASSERT_FALSE(sim.devicePath().empty());
    const auto version = runBinary(dir, "version --port " + sim.devicePath());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Wrenlink3 v1.00\n");
    EXPECT_EQ(version.err, ""); // no progress lines when stderr is not a terminal

    const auto read =
        runBinary(dir, "read -p " + sim.devicePath() + " -o " + (dir / "tracker.json").string());
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.err, "Wrenlink3 Read: Read Successful\n");

    const auto tone = runBinary(dir, "tone stop --port=" + sim.devicePath());
    EXPECT_EQ(tone.exitCode, 0);

    const auto missing = runBinary(dir, "write " + (dir / "tracker.json").string() +
                                            " --port /dev/wl3-no-such-port");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.rfind("Count not aquire Com Port: /dev/wl3-no-such-port: ", 0), 0u)
        << missing.err;
}

} // namespace
} // namespace wl3
