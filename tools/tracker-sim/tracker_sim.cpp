#include "tracker_sim.h"

#include "image_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/select.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace wl3::sim {

namespace {

// Ten bits per byte at 4800 baud.
constexpr auto kByteTime = std::chrono::nanoseconds(10'000'000'000LL / 4800);

// Junk comes well after a reply, so that it lands in the next exchange's drain rather
// than in the reply the host is still reading.
constexpr auto kJunkGap = std::chrono::milliseconds(150);

void log(const std::string& line) {
    std::cerr << "tracker-sim: " << line << "\n";
}

std::string toneName(std::uint8_t code) {
    switch (code) {
    case '1':
        return "tone 1200 Hz";
    case '2':
        return "tone 2200 Hz";
    case '3':
        return "tone both";
    default:
        return "tone stop";
    }
}

} // namespace

TrackerSim::TrackerSim(SimOptions options, std::vector<std::uint8_t> image)
    : options_(std::move(options)), image_(std::move(image)), parser_(image_.size()) {}

TrackerSim::~TrackerSim() {
    if (slaveFd_ >= 0) {
        close(slaveFd_);
    }
    if (masterFd_ >= 0) {
        close(masterFd_);
    }
}

bool TrackerSim::open(std::string& devicePath, std::string& error) {
    masterFd_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd_ < 0 || grantpt(masterFd_) != 0 || unlockpt(masterFd_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ptsname(masterFd_);
    if (name == nullptr) {
        error = std::string("ptsname: ") + std::strerror(errno);
        return false;
    }
    devicePath = name;
    slaveFd_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (slaveFd_ < 0 || tcgetattr(slaveFd_, &raw) != 0) {
        error = devicePath + ": " + std::strerror(errno);
        return false;
    }
    // Until a host sets the line up, echo would bounce our own replies back to us.
    cfmakeraw(&raw);
    if (options_.softwareFlowControl) {
        raw.c_iflag |= IXON | IXOFF;
    }
    tcsetattr(slaveFd_, TCSANOW, &raw);
    fcntl(masterFd_, F_SETFL, fcntl(masterFd_, F_GETFL) | O_NONBLOCK);
    fcntl(masterFd_, F_SETFD, FD_CLOEXEC);
    saveState();
    if (!options_.junk.empty()) {
        queue({options_.junk.begin(), options_.junk.end()}, {}, false);
    }
    return true;
}

// select() rather than poll(): macOS's poll() does not support devices, terminals among them.
int TrackerSim::run(int stopFd) {
    while (true) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(masterFd_, &readable);
        FD_SET(stopFd, &readable);
        if (options_.exitOnStdinEof) {
            FD_SET(STDIN_FILENO, &readable);
        }
        const int timeoutMs = waitTimeoutMs();
        timeval timeout{timeoutMs / 1000, static_cast<suseconds_t>(timeoutMs % 1000) * 1000};
        const int ready = select(std::max(masterFd_, stopFd) + 1, &readable, nullptr, nullptr,
                                 timeoutMs < 0 ? nullptr : &timeout);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            log(std::string("select: ") + std::strerror(errno));
            return 1;
        }
        if (FD_ISSET(stopFd, &readable)) {
            return 0;
        }
        if (options_.exitOnStdinEof && FD_ISSET(STDIN_FILENO, &readable)) {
            std::array<char, 256> discard{};
            if (::read(STDIN_FILENO, discard.data(), discard.size()) <= 0) {
                return 0;
            }
        }
        if (FD_ISSET(masterFd_, &readable)) {
            std::array<std::uint8_t, 256> bytes{};
            const ssize_t got = ::read(masterFd_, bytes.data(), bytes.size());
            for (ssize_t i = 0; i < got; ++i) {
                if (auto command = parser_.feed(bytes[static_cast<std::size_t>(i)], Clock::now())) {
                    handle(*command);
                }
            }
            if (got < 0 && errno != EAGAIN && errno != EINTR) {
                // Cannot happen while we hold the slave, but must not spin if it does.
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        if (!sendDueBytes()) {
            return 0;
        }
    }
}

void TrackerSim::handle(const Command& command) {
    switch (command.kind) {
    case Command::Kind::Version:
        log("version query");
        if (!options_.silent) {
            const auto& text = options_.versionReply;
            queue({text.begin(), text.end()}, std::chrono::milliseconds(options_.replyDelayMs),
                  true);
        }
        break;
    case Command::Kind::ReadImage: {
        ++imageReads_;
        std::vector<std::uint8_t> reply = image_;
        if (options_.imageReplySize >= 0) {
            reply.resize(static_cast<std::size_t>(options_.imageReplySize), 0xFF);
        }
        if (options_.secondReadDiffers && imageReads_ % 2 == 0 && !reply.empty()) {
            reply.back() ^= 0x01;
        }
        log("image read " + std::to_string(imageReads_) + " (" + std::to_string(reply.size()) +
            " bytes)");
        if (!options_.silent) {
            queue(std::move(reply), std::chrono::milliseconds(options_.replyDelayMs), true);
        }
        break;
    }
    case Command::Kind::WriteImage:
        image_ = command.image;
        if (options_.corruptStore) {
            image_[image_.size() / 2] ^= 0x01;
        }
        saveState();
        log("image written (" + std::to_string(image_.size()) + " bytes)");
        break;
    case Command::Kind::Tone:
        log(toneName(command.toneCode));
        break;
    }
    if (!options_.junk.empty()) {
        queue({options_.junk.begin(), options_.junk.end()}, kJunkGap, false);
    }
}

void TrackerSim::queue(std::vector<std::uint8_t> bytes, Clock::duration gapBefore, bool isReply) {
    if (output_.empty()) {
        // On a real line a byte has arrived only when its last bit has. A whole reply goes
        // at once, without a wake-up of its own that could come late.
        nextDue_ = Clock::now() + gapBefore;
        if (options_.linePacing) {
            nextDue_ += kByteTime;
        }
        sentInChunk_ = 0;
    }
    output_.push_back({std::move(bytes), gapBefore, isReply});
}

// Paced, bytes go one by one as they fall due, those a late wake-up finds due at once;
// whole, each chunk goes in one write, so that the host finds it complete in the line.
bool TrackerSim::sendDueBytes() {
    while (!output_.empty() && Clock::now() >= nextDue_) {
        Chunk& chunk = output_.front();
        if (sentInChunk_ < chunk.bytes.size()) {
            const ssize_t sent = ::write(masterFd_, &chunk.bytes[sentInChunk_], writeSize(chunk));
            if (sent <= 0) {
                // The host is not reading and the line's buffer is full: try again later.
                nextDue_ = Clock::now() + kByteTime;
                return true;
            }
            sentInChunk_ += static_cast<std::size_t>(sent);
            if (options_.linePacing) {
                nextDue_ += kByteTime;
            }
            if (chunk.isReply &&
                (replyBytesSent_ += static_cast<int>(sent)) == options_.hangUpAfter) {
                log("hanging up after " + std::to_string(replyBytesSent_) + " reply bytes");
                close(slaveFd_);
                close(masterFd_);
                slaveFd_ = masterFd_ = -1;
                return false;
            }
        }
        if (sentInChunk_ == chunk.bytes.size()) {
            output_.pop_front();
            sentInChunk_ = 0;
            if (!output_.empty()) {
                // A gap counts from the end of what came before it.
                if (!options_.linePacing) {
                    nextDue_ = Clock::now();
                }
                nextDue_ += output_.front().gapBefore;
            }
        }
    }
    return true;
}

std::size_t TrackerSim::writeSize(const Chunk& chunk) const {
    if (options_.linePacing) {
        return 1;
    }
    const std::size_t rest = chunk.bytes.size() - sentInChunk_;
    if (!chunk.isReply || options_.hangUpAfter < 0) {
        return rest;
    }
    // Up to the hang-up and no further.
    return std::min(rest, static_cast<std::size_t>(options_.hangUpAfter - replyBytesSent_));
}

int TrackerSim::waitTimeoutMs() const {
    if (output_.empty()) {
        return -1;
    }
    const auto left = nextDue_ - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

void TrackerSim::saveState() const {
    if (!options_.stateFile.empty() && !saveImageFile(options_.stateFile, image_)) {
        log("cannot write " + options_.stateFile);
    }
}

} // namespace wl3::sim
