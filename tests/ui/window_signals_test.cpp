// The window program as the system ends it: the signals of a session that ends (a logout,
// a shutdown, the terminal that started it closed) while it talks to a simulated tracker.
// The program is the one users run, on the offscreen platform; window_hook.cpp presses its
// buttons from within and says when an exchange is under way. Started with posix_spawn, as
// window_program_test explains.
#include "config/config_image.h"
#include "config/profile_fields.h"
#include "support/argument_pointers.h"
#include "support/recording_reporter.h"
#include "support/simulated_tracker.h"
#include "support/temp_dir.h"

#include <QTest>
#include <array>
#include <chrono>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace wl3;
using Clock = std::chrono::steady_clock;

namespace {

// Far beyond what any step takes, so that only a program that never gets there fails.
constexpr auto kBound = std::chrono::seconds(60);
constexpr auto kPollStep = std::chrono::milliseconds(10);

// The window program on the simulated tracker's port, pressing one button; killed if a test
// leaves it running.
class WindowProgram {
public:
    WindowProgram(const test::SimulatedTracker& tracker, const std::string& press,
                  const std::string& typed = {}) {
        std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen", "QT_LOAD_TESTABILITY=1",
                                             "WL3_HOOK_PRESS=" + press, "WL3_HOOK_TYPE=" + typed,
                                             "XDG_CONFIG_HOME=" + folder_.path().string()};
        std::string libraryPath = "LD_LIBRARY_PATH=" WL3_WINDOW_HOOK_DIR;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view variable(*entry);
            if (variable.starts_with("LD_LIBRARY_PATH=")) {
                libraryPath += ":" + std::string(variable.substr(variable.find('=') + 1));
            } else if (!variable.starts_with("QT_QPA_PLATFORM=") &&
                       !variable.starts_with("XDG_CONFIG_HOME=")) {
                environment.emplace_back(variable);
            }
        }
        environment.push_back(libraryPath);
        std::vector<std::string> words{WL3_WINDOW_PROGRAM, "--port", tracker.devicePath()};
        std::vector<char*> argv = test::pointersTo(words);
        std::vector<char*> envp = test::pointersTo(environment);

        std::array<int, 2> out{-1, -1};
        if (pipe(out.data()) != 0) {
            return;
        }
        fcntl(out[0], F_SETFD, FD_CLOEXEC);
        const std::string err = (folder_ / "stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        out_ = out[0];
    }

    ~WindowProgram() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) {
            close(out_);
        }
    }

    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    // Whether the hook told that line before the program ended.
    bool shows(const std::string& line) {
        const auto deadline = Clock::now() + kBound;
        while (Clock::now() < deadline) {
            for (std::size_t end = told_.find('\n'); end != std::string::npos;
                 end = told_.find('\n')) {
                const std::string seen = told_.substr(0, end);
                told_.erase(0, end + 1);
                if (seen == line) {
                    return true;
                }
            }
            pollfd ready{out_, POLLIN, 0};
            std::array<char, 256> bytes{};
            if (poll(&ready, 1, int(kPollStep.count())) == 1) {
                const ssize_t got = read(out_, bytes.data(), bytes.size());
                if (got <= 0) {
                    return false;
                }
                told_.append(bytes.data(), std::size_t(got));
            }
        }
        return false;
    }

    // Sends the signal and waits until the program has taken it (or ended), so that a
    // second one is not merged into the first.
    bool signal(int number) const {
        if (kill(pid_, number) != 0) {
            return false;
        }
        const auto deadline = Clock::now() + kBound;
        while (Clock::now() < deadline) {
            if (taken(number)) {
                return true;
            }
            std::this_thread::sleep_for(kPollStep);
        }
        return false;
    }

    // The exit status once the program has ended: minus the signal's number when a signal
    // ended it, and INT_MIN when it has not ended within the bound.
    int exitStatus() {
        const auto deadline = Clock::now() + kBound;
        while (Clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
            }
            std::this_thread::sleep_for(kPollStep);
        }
        return INT_MIN;
    }

    std::string errors() const {
        std::ifstream file(folder_ / "stderr");
        return {std::istreambuf_iterator<char>(file), {}};
    }

private:
    // From the system's account of the process: no longer among its pending signals, or
    // the process has ended.
    bool taken(int number) const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("State:") && line.find('Z') != std::string::npos) {
                return true;
            }
            if (line.starts_with("ShdPnd:")) {
                const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
                return (mask >> (number - 1) & 1U) == 0;
            }
        }
        return true;
    }

    test::TempDir folder_;
    pid_t pid_ = -1;
    int out_ = -1;
    std::string told_;
};

// Whether the simulated tracker's log comes to hold what is looked for.
bool logs(const test::SimulatedTracker& tracker,
          const std::function<bool(const std::string& log)>& lookedFor) {
    const auto deadline = Clock::now() + kBound;
    while (Clock::now() < deadline) {
        if (lookedFor(tracker.log())) {
            return true;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return false;
}

// The simulated tracker stores an image once all of its bytes have come.
bool storesAnImage(const test::SimulatedTracker& tracker) {
    return logs(tracker, [](const std::string& log) {
        return log.find("image written") != std::string::npos;
    });
}

std::vector<std::uint8_t> imageWithCallsign(const char* callsign) {
    TrackerConfig typed;
    setText(typed.callsign[kPrimary], callsign);
    std::array<std::uint8_t, kImageBufferSize> image{};
    test::RecordingReporter quiet;
    if (encodeImage(typed, image, quiet) != kImageSize) {
        qFatal("cannot encode %s", callsign);
    }
    return {image.begin(), image.begin() + kImageSize};
}

} // namespace

class WindowSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void aWriteSendsItsWholeImageBeforeTheSignalEndsIt_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("exitStatus");
        QTest::newRow("SIGTERM") << SIGTERM << 143;
        QTest::newRow("SIGHUP") << SIGHUP << 129;
    }

    // With an edit not saved anywhere, so that a question would keep the program from
    // ending; the second signal comes while the image is still on its way.
    void aWriteSendsItsWholeImageBeforeTheSignalEndsIt() {
        QFETCH(int, signal);
        QFETCH(int, exitStatus);
        test::SimulatedTracker tracker;
        QVERIFY(tracker.ok());
        WindowProgram window(tracker, "writeConfiguration", "KC3GHI-5");

        QVERIFY2(window.shows("Writing the configuration"), window.errors().c_str());
        QVERIFY(window.signal(signal));
        QVERIFY(window.signal(signal));
        QCOMPARE(window.exitStatus(), exitStatus);
        QVERIFY2(storesAnImage(tracker), tracker.log().c_str());
        QVERIFY(tracker.storedImage() == imageWithCallsign("KC3GHI-5"));
    }

    // The read is not finished first: the second of its two reads is never asked for.
    void aReadEndsAtOnce() {
        test::SimulatedTracker tracker;
        QVERIFY(tracker.ok());
        WindowProgram window(tracker, "readConfiguration");

        QVERIFY2(window.shows("Reading the configuration"), window.errors().c_str());
        QVERIFY(window.signal(SIGTERM));
        QCOMPARE(window.exitStatus(), 143);
        QVERIFY2(tracker.log().find("image read 1") != std::string::npos, tracker.log().c_str());
        QVERIFY2(tracker.log().find("image read 2") == std::string::npos, tracker.log().c_str());
    }

    // The radio must not stay on the air once the session is over.
    void aSoundingToneIsStopped() {
        test::SimulatedTracker tracker;
        QVERIFY(tracker.ok());
        WindowProgram window(tracker, "send1200Hz");
        const auto toneAt = [](const std::string& log) { return log.find("tone 1200 Hz"); };

        QVERIFY2(
            logs(tracker, [&](const std::string& log) { return toneAt(log) != std::string::npos; }),
            window.errors().c_str());
        QVERIFY(window.signal(SIGTERM));
        QCOMPARE(window.exitStatus(), 143);
        QVERIFY2(logs(tracker,
                      [&](const std::string& log) {
                          const std::size_t stop = log.rfind("tone stop");
                          return stop != std::string::npos && stop > toneAt(log);
                      }),
                 tracker.log().c_str());
    }

    // Nobody is left to answer the box of a command that ended before the session did.
    void anOpenBoxDoesNotKeepTheProgram() {
        test::SimulatedTracker tracker;
        QVERIFY(tracker.ok());
        WindowProgram window(tracker, "readVersion");

        QVERIFY2(window.shows("box"), window.errors().c_str());
        QVERIFY(window.signal(SIGTERM));
        QCOMPARE(window.exitStatus(), 143);
    }
};

QTEST_GUILESS_MAIN(WindowSignalsTest)
#include "window_signals_test.moc"
