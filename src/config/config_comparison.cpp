#include "config/config_comparison.h"

#include <type_traits>

namespace wl3 {

namespace {

// A decoder handed a whole image has nothing to report.
class SilentReporter : public Reporter {
public:
    void report(const Outcome& /*outcome*/) override {}
};

TrackerConfig decoded(const ConfigImage& image) {
    TrackerConfig config;
    SilentReporter silent;
    decodeImage(config, image, silent);
    return config;
}

bool valuesDiffer(const TrackerConfig& first, const TrackerConfig& second,
                  const ProfileField& field, int p) {
    return visitValue(first, field, p, [&](const auto& a) {
        return visitValue(second, field, p, [&](const auto& b) {
            if constexpr (std::is_same_v<decltype(a), decltype(b)>) {
                return a != b;
            } else {
                return true; // one field, one type: never reached
            }
        });
    });
}

bool shownAlike(const TrackerConfig& first, const TrackerConfig& second, const ProfileField& field,
                int p) {
    if (!field.isShown()) {
        return true;
    }
    return field.view != nullptr && field.view->shown(first, p) == field.view->shown(second, p);
}

} // namespace

ConfigComparison compareConfigurations(const ConfigImage& first, const ConfigImage& second) {
    ConfigComparison comparison{decoded(first), decoded(second), {}, 0};
    const auto compare = [&comparison](const ProfileField& field, int p) {
        if (valuesDiffer(comparison.first, comparison.second, field, p)) {
            comparison.differences.push_back(
                {&field, p, shownAlike(comparison.first, comparison.second, field, p)});
        }
    };
    for (int p = 0; p < kProfileCount; ++p) {
        for (const ProfileField& field : kProfileFields) {
            if (!field.isShared()) {
                compare(field, p);
            }
        }
    }
    for (const ProfileField& field : kProfileFields) {
        if (field.isShared()) {
            compare(field, kPrimary);
        }
    }
    for (std::size_t i = 0; i < first.size(); ++i) {
        comparison.storedBytesDiffering += first[i] != second[i] ? 1 : 0;
    }
    return comparison;
}

void takeValue(TrackerConfig& into, const TrackerConfig& from, const FieldDifference& difference) {
    visitValue(into, *difference.field, difference.profile, [&](auto& mine) {
        visitValue(from, *difference.field, difference.profile, [&](const auto& theirs) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(mine)>,
                                         std::remove_cvref_t<decltype(theirs)>>) {
                mine = theirs;
            }
        });
    });
}

} // namespace wl3
