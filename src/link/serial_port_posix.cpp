#include "link/fd_wait.h"
#include "link/serial_port.h"
#include "link/serial_timeouts.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace wl3 {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kReadIntervalTimeout{kReadIntervalTimeoutMs};
constexpr milliseconds kReadTotalPerByte{kReadTotalPerByteMs};
constexpr milliseconds kReadTotalConstant{kReadTotalConstantMs};
// Bytes are written one at a time.
constexpr milliseconds kWriteTimeout{kWriteTotalConstantMs + kWriteTotalPerByteMs};
// A silent line wakes a read this often, so that a stop need not wait out the time-out.
constexpr int kWakeMs = kReadIntervalTimeoutMs;

// Rounded up, so that a wait never ends before its deadline.
int waitTimeoutMs(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    return static_cast<int>(std::chrono::ceil<milliseconds>(left).count());
}

PortError openError(const std::string& path, int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return {PortFailure::AccessDenied, path};
    case EBUSY:
    case EWOULDBLOCK:
        return {PortFailure::InUse, path};
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return {PortFailure::Unplugged, path, error};
    default:
        return {PortFailure::System, path, error};
    }
}

// A pseudo-terminal keeps no line speed of its own on every system, so its speed is not
// held against it; real ports must show the speed asked for.
bool isPseudoTerminal(std::string_view path) {
    constexpr std::string_view kMacPty = "/dev/ttys";
    return path.starts_with("/dev/pts/") ||
           (path.starts_with(kMacPty) && path.size() > kMacPty.size() &&
            path[kMacPty.size()] >= '0' && path[kMacPty.size()] <= '9');
}

constexpr tcflag_t kRawInputOff =
    IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK;
constexpr tcflag_t kRawLocalOff = ECHO | ECHONL | ICANON | ISIG | IEXTEN;
constexpr tcflag_t kFormatBits = CSIZE | PARENB | CSTOPB | CREAD | CLOCAL;

bool settingsTook(const termios& wanted, const termios& actual, bool checkSpeed) {
    return (actual.c_iflag & kRawInputOff) == (wanted.c_iflag & kRawInputOff) &&
           (actual.c_oflag & OPOST) == (wanted.c_oflag & OPOST) &&
           (actual.c_lflag & kRawLocalOff) == (wanted.c_lflag & kRawLocalOff) &&
           (actual.c_cflag & kFormatBits) == (wanted.c_cflag & kFormatBits) &&
           actual.c_cc[VMIN] == wanted.c_cc[VMIN] && actual.c_cc[VTIME] == wanted.c_cc[VTIME] &&
           (!checkSpeed || (cfgetispeed(&actual) == B4800 && cfgetospeed(&actual) == B4800));
}

class PosixSerialPort final : public SerialPort {
public:
    PosixSerialPort() = default;

    // The program may drop a link that still holds its port; the port must not stay locked.
    ~PosixSerialPort() override {
        if (isOpen()) {
            close();
        }
    }

    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool isOpen() const override { return fd_ >= 0; }
    std::string device() const override { return path_; }

    std::optional<PortError> open(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            return openError(path, errno);
        }
        // The advisory lock keeps out cooperating programs even when we run as root, which
        // TIOCEXCL does not.
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return openError(path, error);
        }
        // Not a terminal at all: reading its settings fails next, with its own message.
        ioctl(fd, TIOCEXCL);
        fd_ = fd;
        path_ = path;
        return std::nullopt;
    }

    std::optional<PortError> readSettings() override {
        if (tcgetattr(fd_, &settings_) == 0) {
            return std::nullopt;
        }
        const int error = errno;
        if (error == ENOTTY) {
            return PortError{PortFailure::NotSerial, path_};
        }
        return PortError{PortFailure::System, path_, error};
    }

    std::optional<PortError> applyLineSettings() override {
        termios wanted = settings_;
        wanted.c_iflag &= ~kRawInputOff;
        wanted.c_oflag &= ~OPOST;
        wanted.c_lflag &= ~kRawLocalOff;
        wanted.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
        // Ignore the carrier line: the tracker's cable need not carry it, and without CLOCAL
        // its absence would hang the port up.
        wanted.c_cflag |= CS8 | CREAD | CLOCAL;
        // One byte makes a read ready; the time-outs are kept by read() itself.
        wanted.c_cc[VMIN] = 1;
        wanted.c_cc[VTIME] = 0;
        if (cfsetispeed(&wanted, B4800) != 0 || cfsetospeed(&wanted, B4800) != 0) {
            return unexplained();
        }
        // Even a change that fails may have taken in part.
        settingsChanged_ = true;
        if (tcsetattr(fd_, TCSANOW, &wanted) != 0) {
            return unexplained();
        }
        termios actual{};
        if (tcgetattr(fd_, &actual) != 0 ||
            !settingsTook(wanted, actual, !isPseudoTerminal(path_))) {
            return unexplained();
        }
        // What an earlier exchange left unread (a reply longer than its read) would outlast
        // the drain and be taken for the next reply.
        if (tcflush(fd_, TCIFLUSH) != 0) {
            return unexplained();
        }
        return std::nullopt;
    }

    std::optional<PortError> applyTimeouts() override { return std::nullopt; }

    std::optional<PortError> writeByte(std::uint8_t byte, int& written) override {
        written = 0;
        const auto deadline = Clock::now() + kWriteTimeout;
        while (true) {
            const FdWait wait = waitForFd(fd_, true, waitTimeoutMs(deadline));
            if (wait == FdWait::Failed) {
                return unexplained();
            }
            if (wait == FdWait::Ready) {
                const ssize_t sent = ::write(fd_, &byte, 1);
                if (sent == 1) {
                    break;
                }
                if (sent < 0 && errno != EAGAIN && errno != EINTR) {
                    return unexplained();
                }
                // Ready but refused: a driver that says so keeps saying it, so wait a
                // little rather than spin until the time-out.
                std::this_thread::sleep_for(milliseconds(1));
            }
            if (Clock::now() >= deadline) {
                return std::nullopt;
            }
        }
        waitUntilSent(deadline, written);
        return std::nullopt;
    }

    std::optional<PortError> read(std::span<std::uint8_t> buffer, int& received,
                                  const ReadWatcher& watcher) override {
        std::size_t count = 0;
        received = 0;
        const auto totalDeadline =
            Clock::now() + kReadTotalConstant + kReadTotalPerByte * static_cast<int>(buffer.size());
        auto deadline = totalDeadline;
        while (count < buffer.size()) {
            // Woken now and then even on a silent line, so that a stop is not kept waiting.
            // Past the deadline the line is still looked at once: bytes that came while this
            // thread was not running came in time, and a busy machine must not cut a reply.
            const FdWait wait = waitForFd(fd_, false, std::min(waitTimeoutMs(deadline), kWakeMs));
            if (wait == FdWait::Failed) {
                return openError(path_, errno);
            }
            bool took = false;
            if (wait == FdWait::Ready) {
                const ssize_t got = ::read(fd_, buffer.data() + count, buffer.size() - count);
                if (got > 0) {
                    count += static_cast<std::size_t>(got);
                    received = static_cast<int>(count);
                    deadline = std::min(totalDeadline, Clock::now() + kReadIntervalTimeout);
                    took = true;
                } else if (got == 0) {
                    // Hung up: with VMIN 1 a live line never reads 0 bytes.
                    return PortError{PortFailure::Unplugged, path_, EIO};
                } else if (errno != EAGAIN && errno != EINTR) {
                    return openError(path_, errno);
                }
            }
            if ((!took && Clock::now() >= deadline) || !watcher(received)) {
                break;
            }
        }
        return std::nullopt;
    }

    void dropUntilQuiet(int quietMs, int limitMs) override {
        const auto limit = Clock::now() + milliseconds(limitMs);
        auto quietUntil = std::min(limit, Clock::now() + milliseconds(quietMs));
        std::array<std::uint8_t, 256> dropped{};
        while (Clock::now() < quietUntil) {
            const FdWait wait = waitForFd(fd_, false, waitTimeoutMs(quietUntil));
            if (wait == FdWait::Failed) {
                return;
            }
            if (wait == FdWait::Ready) {
                const ssize_t got = ::read(fd_, dropped.data(), dropped.size());
                if (got > 0) {
                    quietUntil = std::min(limit, Clock::now() + milliseconds(quietMs));
                } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
                    return;
                }
            }
        }
    }

    std::optional<PortError> close() override {
        // A terminal or another program's port must not be left raw at 4800 baud; the
        // settings a serial driver keeps are the next program's starting point.
        if (settingsChanged_) {
            tcsetattr(fd_, TCSANOW, &settings_);
            settingsChanged_ = false;
        }
        // Exclusive mode outlives this descriptor on some drivers; later opens would fail.
        ioctl(fd_, TIOCNXCL);
        const int result = ::close(fd_);
        // The descriptor is released even when close reports an error; closing it again
        // could close a file opened since.
        fd_ = -1;
        if (result != 0) {
            return unexplained();
        }
        return std::nullopt;
    }

    void pause(int durationMs) override { std::this_thread::sleep_for(milliseconds(durationMs)); }

private:
    // A byte counts as taken once it has left the output queue. One still stuck there when
    // the time-out ends (flow control holding it back) is dropped, so that it cannot go out
    // later in the middle of another exchange.
    void waitUntilSent(Clock::time_point deadline, int& written) {
        while (true) {
            int queued = 0;
            if (ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued == 0) {
                written = 1;
                return;
            }
            if (Clock::now() >= deadline) {
                tcflush(fd_, TCOFLUSH);
                return;
            }
            std::this_thread::sleep_for(milliseconds(1));
        }
    }

    // For the calls whose own line in the message says all a user can act on.
    PortError unexplained() const { return {PortFailure::Unexplained, path_}; }

    int fd_ = -1;
    std::string path_;
    termios settings_{};
    bool settingsChanged_ = false;
};

} // namespace

std::unique_ptr<SerialPort> makeSystemSerialPort() {
    return std::make_unique<PosixSerialPort>();
}

std::string systemErrorText(int systemError) {
    return std::strerror(systemError);
}

} // namespace wl3
