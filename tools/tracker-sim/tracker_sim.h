#pragma once

#include "command_parser.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace wl3::sim {

struct SimOptions {
    std::string versionReply = "Wrenlink3 v1.00\r\n";
    bool silent = false;
    int imageReplySize = -1; // bytes sent for an image read; -1 sends the stored image
    int replyDelayMs = 0;
    bool secondReadDiffers = false;
    bool corruptStore = false;
    std::string junk;
    int hangUpAfter = -1; // reply bytes sent before hanging up; -1 never
    std::string stateFile;
    bool softwareFlowControl = false; // XON/XOFF left on in the line, for the host to clear
    // A byte every byte time of the 4800-baud line, for timing the host. Otherwise each reply
    // goes out whole once due: paced, a wake-up later than the host's read interval puts a
    // gap into a reply, which the host takes for its end.
    bool linePacing = false;
    bool exitOnStdinEof = false;
};

// The tracker at the far end of a pseudo-terminal.
class TrackerSim {
public:
    TrackerSim(SimOptions options, std::vector<std::uint8_t> image);
    ~TrackerSim();
    TrackerSim(const TrackerSim&) = delete;
    TrackerSim& operator=(const TrackerSim&) = delete;

    // Creates the pseudo-terminal; the device path is what a host opens as the port.
    bool open(std::string& devicePath, std::string& error);

    // Serves the host until stopFd becomes readable, stdin ends (when asked) or the
    // simulated hang-up. Returns the exit status.
    int run(int stopFd);

private:
    using Clock = std::chrono::steady_clock;

    struct Chunk {
        std::vector<std::uint8_t> bytes;
        Clock::duration gapBefore;
        bool isReply;
    };

    void handle(const Command& command);
    void queue(std::vector<std::uint8_t> bytes, Clock::duration gapBefore, bool isReply);
    // False after the simulated hang-up.
    bool sendDueBytes();
    // How many bytes of the front chunk one write sends now.
    std::size_t writeSize(const Chunk& chunk) const;
    int waitTimeoutMs() const; // -1: nothing to send
    void saveState() const;

    SimOptions options_;
    std::vector<std::uint8_t> image_;
    CommandParser parser_;
    int masterFd_ = -1;
    // Held for the whole run: with no slave open, the master reads EIO and a host's close
    // would hang the line up.
    int slaveFd_ = -1;
    std::deque<Chunk> output_;
    std::size_t sentInChunk_ = 0;
    Clock::time_point nextDue_{};
    int imageReads_ = 0;
    int replyBytesSent_ = 0;
};

} // namespace wl3::sim
