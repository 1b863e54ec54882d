#include "config/profile_fields.h"

namespace wl3 {

namespace {

// Stands for any member in a brace-initialiser; only ever named in unevaluated code.
struct AnyMember {
    template <typename Member> operator Member() const; // NOLINT(google-explicit-constructor)
};

// How many members the aggregate T has: the most initialisers its braces take.
template <typename T, typename... Given> consteval std::size_t memberCount() {
    if constexpr (requires { T{Given{}..., AnyMember{}}; }) {
        return memberCount<T, Given..., AnyMember>();
    } else {
        return sizeof...(Given);
    }
}

consteval bool eachMemberOnce() {
    for (std::size_t i = 0; i < kProfileFields.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (kProfileFields[i].member == kProfileFields[j].member) {
                return false;
            }
        }
    }
    return true;
}

// A member the table leaves out would be lost by the JSON form, the window and the
// comparisons that work from the table.
static_assert(std::is_aggregate_v<TrackerConfig> &&
                  memberCount<TrackerConfig>() == kProfileFields.size() && eachMemberOnce(),
              "every member of TrackerConfig needs one row in kProfileFields");

} // namespace

bool timestampDhmShown(const TrackerConfig& config, int p) {
    return config.timestamp[p] && !config.timestampHms[p];
}

bool timestampHmsShown(const TrackerConfig& config, int p) {
    return config.timestamp[p] && config.timestampHms[p];
}

void storeTimestampDhm(TrackerConfig& config, int p, bool checked) {
    config.timestamp[p] = checked;
}

// Timestamps are on when either box is checked; Timestamp DHM has been stored already.
void storeTimestampHms(TrackerConfig& config, int p, bool checked) {
    config.timestamp[p] = config.timestamp[p] || checked;
    config.timestampHms[p] = checked;
}

} // namespace wl3
