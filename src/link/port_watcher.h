#pragma once

#include "link/port_mapping.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace wl3 {

// A serial device that came or went, under the COM entry that stood for it.
struct PortChange {
    bool added = false;
    SerialDeviceInfo device;

    bool operator==(const PortChange&) const = default;
};

// "added" or "removed", for lines about a change.
std::string_view changeWord(const PortChange& change);

// What changed from before to after, the removals first. A device under another COM entry
// than before, or with another description, counts as removed and added, so that whoever
// shows an entry learns that it now opens something else.
std::vector<PortChange> portChanges(const std::vector<SerialDeviceInfo>& before,
                                    const std::vector<SerialDeviceInfo>& after);

// Tells when serial devices may have come or gone; one implementation per system. The
// caller waits on it in its own loop and then rescans (PortWatcher).
class DeviceEvents {
public:
    virtual ~DeviceEvents() = default;

    // A descriptor that becomes readable when the system has news, for an event loop to
    // wait on; -1 where there is none.
    virtual int descriptor() const = 0;
    // How often to rescan without news, in milliseconds; 0 where the system tells of every
    // change.
    virtual int pollIntervalMs() const = 0;
    // Waits at most timeoutMs for news, or for the poll interval to end, and takes it: true
    // when a rescan is due. A signal may end the wait early.
    virtual bool wait(int timeoutMs) = 0;
};

// This system's source of news: its device manager where one runs, else a poll of the
// device folder.
std::unique_ptr<DeviceEvents> watchDeviceEvents();

// The poll of the device folder, where nothing tells of changes: a rescan every interval.
std::unique_ptr<DeviceEvents> pollDeviceEvents(int intervalMs);

// The serial devices as last seen, and what changed since.
class PortWatcher {
public:
    using Lister = std::function<std::vector<SerialDeviceInfo>()>;

    // Takes the first list at once.
    explicit PortWatcher(Lister lister = listSerialDevices);

    const std::vector<SerialDeviceInfo>& devices() const { return devices_; }
    // Lists the devices again; what changed since the last list.
    std::vector<PortChange> rescan();

private:
    Lister lister_;
    std::vector<SerialDeviceInfo> devices_;
};

} // namespace wl3
