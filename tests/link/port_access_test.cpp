#include "link/port_access.h"
#include "wording/wording.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace wl3 {
namespace {

constexpr unsigned kTty = 5;
constexpr unsigned kDialout = 20;
constexpr unsigned kUser = 1000;

// A user and one device, as the account files and the session describe them.
struct FakeLookup final : AccessLookup {
    bool open = false;
    DeviceOwner owner{0, kDialout, 0660, true};
    unsigned user = kUser;
    std::vector<unsigned> session{kUser, 24};
    std::vector<unsigned> listed{kUser, 24};

    bool mayOpen(const std::string&) const override { return open; }
    std::optional<DeviceOwner> deviceOwner(const std::string&) const override { return owner; }
    unsigned userId() const override { return user; }
    std::vector<unsigned> sessionGroups() const override { return session; }
    bool listedInGroup(unsigned group) const override {
        return std::find(listed.begin(), listed.end(), group) != listed.end();
    }
    std::string groupName(unsigned group) const override {
        return group == kDialout ? "dialout"
               : group == kTty   ? "tty"
               : group == 0      ? "root"
                                 : std::to_string(group);
    }
};

struct AccessCase {
    const char* name;
    friend void PrintTo(const AccessCase& row, std::ostream* out) { *out << row.name; }
    void (*arrange)(FakeLookup&);
    PortAccess access;
    std::string reason;
};

class PortAccessTest : public ::testing::TestWithParam<AccessCase> {};

TEST_P(PortAccessTest, TellsWhatWouldLetTheUserIn) {
    FakeLookup lookup;
    GetParam().arrange(lookup);
    const PortAccessCheck check = checkPortAccess("/dev/ttyUSB0", lookup);
    EXPECT_EQ(check.access, GetParam().access);
    EXPECT_EQ(english(accessWording(check)), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Users, PortAccessTest,
    ::testing::Values(
        AccessCase{"NotInTheGroup", [](FakeLookup&) {}, PortAccess::NotInGroup,
                   "permission denied. Add your user to the group that owns the device (sudo "
                   "usermod -aG dialout $USER), then log out and back in."},
        AccessCase{"InTheGroupFileButNotThisSession",
                   [](FakeLookup& l) { l.listed.push_back(kDialout); },
                   PortAccess::GroupNotInSession,
                   "permission denied. Your user is in the group dialout, but this session began "
                   "before it was added: log out and back in (or run newgrp dialout)."},
        AccessCase{"RootsGroupIsNoGroupToJoin", [](FakeLookup& l) { l.owner.groupId = 0; },
                   PortAccess::RootOnly,
                   "permission denied. Only root may open this device, and no group helps: a "
                   "udev rule must give it a group (see PERMISSIONS in man wl3)."},
        AccessCase{"TheTerminalsGroupIsNoGroupToJoin",
                   [](FakeLookup& l) { l.owner.groupId = kTty; }, PortAccess::RootOnly,
                   "permission denied. Only root may open this device, and no group helps: a "
                   "udev rule must give it a group (see PERMISSIONS in man wl3)."},
        AccessCase{"GroupWithoutReadWriteBits", [](FakeLookup& l) { l.owner.mode = 0640; },
                   PortAccess::RootOnly,
                   "permission denied. Only root may open this device, and no group helps: a "
                   "udev rule must give it a group (see PERMISSIONS in man wl3)."},
        // The group already lets this session in, so the refusal comes from elsewhere (an
        // access control list, a security module): no advice beats wrong advice.
        AccessCase{"AlreadyInTheSessionsGroups",
                   [](FakeLookup& l) { l.session.push_back(kDialout); }, PortAccess::Denied,
                   "permission denied."},
        AccessCase{"AnotherUsersDevice",
                   [](FakeLookup& l) {
                       l.owner.userId = 1001;
                       l.owner.mode = 0600;
                   },
                   PortAccess::Denied, "permission denied."}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace wl3
