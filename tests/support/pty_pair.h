#pragma once

#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <stdlib.h>
#include <string>
#include <sys/select.h>
#include <unistd.h>
#include <vector>

namespace wl3::test {

// A pseudo-terminal: the test plays the far end on the master side; the device path is
// what the link opens. A second descriptor on that device stays open, so the link's close
// never hangs the line up and the test can look at the line settings.
class PtyPair {
public:
    PtyPair() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) {
            devicePath = ptsname(master);
            observer = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        }
    }
    ~PtyPair() {
        closeMaster();
        if (observer >= 0) {
            close(observer);
        }
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master >= 0 && observer >= 0; }

    void closeMaster() {
        if (master >= 0) {
            close(master);
            master = -1;
        }
    }

    void send(const std::vector<std::uint8_t>& bytes) const {
        [[maybe_unused]] const ssize_t sent = write(master, bytes.data(), bytes.size());
    }

    // What the far end received within the time given.
    std::vector<std::uint8_t> receive(std::size_t count, std::chrono::milliseconds within) const {
        std::vector<std::uint8_t> bytes;
        const auto deadline = std::chrono::steady_clock::now() + within;
        while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(master, &readable);
            timeval tenMs{0, 10'000};
            if (select(master + 1, &readable, nullptr, nullptr, &tenMs) == 1) {
                std::uint8_t chunk[512];
                const ssize_t got = read(master, chunk, sizeof chunk);
                if (got <= 0) {
                    break;
                }
                bytes.insert(bytes.end(), chunk, chunk + got);
            }
        }
        return bytes;
    }

    int master = -1;
    int observer = -1;
    std::string devicePath;
};

} // namespace wl3::test
