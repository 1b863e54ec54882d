#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wl3 {

// Whether this user may open a serial device, and if not, what would let them.
enum class PortAccess {
    Allowed,
    NotInGroup,        // the device's group would let them in, and they are not a member
    GroupNotInSession, // a member by the group file, but this session started before that
    RootOnly,          // no group grants access: only root may open it
    Denied,            // refused for a reason the owner, group and mode do not explain
};

struct PortAccessCheck {
    PortAccess access = PortAccess::Allowed;
    std::string group; // the device's group, for NotInGroup and GroupNotInSession
};

struct DeviceOwner {
    unsigned userId = 0;
    unsigned groupId = 0;
    unsigned mode = 0;            // permission bits, as stat() gives them
    bool characterDevice = false; // not a file or a folder named as a port
};

// What the system knows about this user and a device. The real one asks the system; tests
// answer for a user and a device of their own making.
class AccessLookup {
public:
    virtual ~AccessLookup() = default;

    // Whether the device may be opened for reading and writing now (access(2), which also
    // honours access control lists).
    virtual bool mayOpen(const std::string& path) const = 0;

    virtual std::optional<DeviceOwner> deviceOwner(const std::string& path) const = 0;

    virtual unsigned userId() const = 0;

    // The groups this process runs with (getgroups() and the effective group).
    virtual std::vector<unsigned> sessionGroups() const = 0;

    // Whether the user is a member of the group by the account files: named in the group
    // file, or the group is the account's primary one.
    virtual bool listedInGroup(unsigned groupId) const = 0;

    // The group's name, or its number when it has none.
    virtual std::string groupName(unsigned groupId) const = 0;
};

PortAccessCheck checkPortAccess(const std::string& path, const AccessLookup& lookup);

// The same, asked of this machine.
PortAccessCheck checkPortAccess(const std::string& path);

// Why the user was refused and what would let them in, for a message: "permission denied."
// and, where the check found a cure, what to do.
std::string deniedReason(const PortAccessCheck& check);

} // namespace wl3
