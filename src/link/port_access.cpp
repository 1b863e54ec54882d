#include "link/port_access.h"

#include <algorithm>

namespace wl3 {

namespace {

constexpr unsigned kGroupReadWrite = 060;
constexpr unsigned kRoot = 0;

} // namespace

PortAccessCheck checkPortAccess(const std::string& path, const AccessLookup& lookup) {
    if (lookup.mayOpen(path)) {
        return {PortAccess::Allowed, {}};
    }
    const std::optional<DeviceOwner> owner = lookup.deviceOwner(path);
    // No group keeps out root or the device's owner: something else refused them. Nor is
    // there advice for a file that is no device at all.
    if (!owner || !owner->characterDevice || lookup.userId() == kRoot ||
        owner->userId == lookup.userId()) {
        return {PortAccess::Denied, {}};
    }
    // Group root is no group to join, nor group tty, which owns every terminal: either would
    // hand out far more than one device.
    if ((owner->mode & kGroupReadWrite) != kGroupReadWrite || owner->groupId == kRoot ||
        lookup.groupName(owner->groupId) == "tty") {
        return {owner->userId == kRoot ? PortAccess::RootOnly : PortAccess::Denied, {}};
    }
    const std::vector<unsigned> session = lookup.sessionGroups();
    if (std::find(session.begin(), session.end(), owner->groupId) != session.end()) {
        return {PortAccess::Denied, {}};
    }
    return {lookup.listedInGroup(owner->groupId) ? PortAccess::GroupNotInSession
                                                 : PortAccess::NotInGroup,
            lookup.groupName(owner->groupId)};
}

} // namespace wl3
