#include "link/port_watcher.h"

#include <algorithm>

namespace wl3 {

namespace {

// The devices of from that to does not hold as they were.
void addMissing(const std::vector<SerialDeviceInfo>& from, const std::vector<SerialDeviceInfo>& to,
                bool added, std::vector<PortChange>& changes) {
    for (const SerialDeviceInfo& device : from) {
        if (std::find(to.begin(), to.end(), device) == to.end()) {
            changes.push_back({added, device});
        }
    }
}

} // namespace

std::string_view changeWord(const PortChange& change) {
    return change.added ? "added" : "removed";
}

std::vector<PortChange> portChanges(const std::vector<SerialDeviceInfo>& before,
                                    const std::vector<SerialDeviceInfo>& after) {
    std::vector<PortChange> changes;
    addMissing(before, after, false, changes);
    addMissing(after, before, true, changes);
    return changes;
}

PortWatcher::PortWatcher(Lister lister) : lister_(std::move(lister)), devices_(lister_()) {}

std::vector<PortChange> PortWatcher::rescan() {
    std::vector<SerialDeviceInfo> now = lister_();
    std::vector<PortChange> changes = portChanges(devices_, now);
    devices_ = std::move(now);
    return changes;
}

} // namespace wl3
