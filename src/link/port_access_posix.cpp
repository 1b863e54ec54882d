#include "link/port_access.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wl3 {

namespace {

class SystemAccessLookup final : public AccessLookup {
public:
    bool mayOpen(const std::string& path) const override {
        return access(path.c_str(), R_OK | W_OK) == 0;
    }

    std::optional<DeviceOwner> deviceOwner(const std::string& path) const override {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) {
            return std::nullopt;
        }
        return DeviceOwner{info.st_uid, info.st_gid, info.st_mode & 07777u, S_ISCHR(info.st_mode)};
    }

    unsigned userId() const override { return getuid(); }

    std::vector<unsigned> sessionGroups() const override {
        const int count = getgroups(0, nullptr);
        std::vector<gid_t> groups(count > 0 ? static_cast<std::size_t>(count) : 0);
        const int got = getgroups(count, groups.data());
        groups.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        std::vector<unsigned> result(groups.begin(), groups.end());
        result.push_back(getegid());
        return result;
    }

    bool listedInGroup(unsigned groupId) const override {
        const passwd* account = getpwuid(getuid());
        if (account == nullptr) {
            return false;
        }
        if (account->pw_gid == groupId) {
            return true;
        }
        const std::string user = account->pw_name;
        const group* entry = getgrgid(groupId);
        for (char** member = entry != nullptr ? entry->gr_mem : nullptr;
             member != nullptr && *member != nullptr; ++member) {
            if (user == *member) {
                return true;
            }
        }
        return false;
    }

    std::string groupName(unsigned groupId) const override {
        const group* entry = getgrgid(groupId);
        return entry != nullptr ? entry->gr_name : std::to_string(groupId);
    }
};

} // namespace

PortAccessCheck checkPortAccess(const std::string& path) {
    return checkPortAccess(path, SystemAccessLookup{});
}

} // namespace wl3
