#pragma once

#include "outcomes/port_problem.h"

#include <optional>
#include <string>
#include <vector>

namespace wl3 {

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

} // namespace wl3
