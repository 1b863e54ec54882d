#pragma once

namespace wl3 {

// The stages of the tracker's exchanges, in the order a command meets them.
enum class ExchangePhase {
    CheckingTracker, // the version query before a read or a write
    FirstRead,
    SecondRead, // the verifying read of Read Configuration
    Writing,
    ReadingBack, // the verifying read after a write
    Tone,
};

// Watches the exchanges of a SerialLink and may end one early. The link calls it on the
// thread that runs the exchange; this base class watches nothing and never stops.
class ExchangeObserver {
public:
    virtual ~ExchangeObserver() = default;

    // bytesDone of bytesExpected: once with 0 as a phase begins, then as bytes move. The
    // version query and the tone count their command bytes sent, a read the image bytes
    // received (a faulty tracker may send more than expected), a write the image bytes sent:
    // both count the image's 128 bytes.
    virtual void progress(ExchangePhase /*phase*/, int /*bytesDone*/, int /*bytesExpected*/) {}

    // Asked before every byte sent and whenever a read wakes. True ends the exchange there:
    // the port is released and the operation fails with Status::Stopped, reporting nothing.
    // A stop asked for while an image write is on the line waits for its last byte, and
    // then ends the exchange before the read-back.
    virtual bool stopRequested() { return false; }

    // Asked instead, before each byte of an image write once its first byte is out. The
    // tracker takes every byte that follows as part of the image, the next command's too,
    // so only a stop that cannot wait cuts the write short.
    virtual bool stopAtOnce() { return false; }

    // Told true just before the link tries to take the port, and false once it no longer
    // holds it; each exchange holds it in between.
    virtual void holdingPort(bool /*holding*/) {}
};

} // namespace wl3
