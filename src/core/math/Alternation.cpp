#include "math/Alternation.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

namespace {

bool SameSign(const Extremum& a, const Extremum& b) {
    return (a.error >= 0.0) == (b.error >= 0.0);
}

// Keeps the larger of each run of neighbours with the same sign.
std::vector<Extremum> MergeRuns(std::span<const Extremum> extrema) {
    std::vector<Extremum> merged;
    merged.reserve(extrema.size());
    for (const Extremum& e : extrema) {
        if (!merged.empty() && SameSign(merged.back(), e)) {
            if (std::fabs(e.error) > std::fabs(merged.back().error)) {
                merged.back() = e;
            }
        } else {
            merged.push_back(e);
        }
    }
    return merged;
}

std::size_t SmallestIndex(const std::vector<Extremum>& set) {
    std::size_t smallest = 0;
    for (std::size_t i = 1; i < set.size(); ++i) {
        if (std::fabs(set[i].error) < std::fabs(set[smallest].error)) {
            smallest = i;
        }
    }
    return smallest;
}

}  // namespace

std::vector<Extremum> SelectAlternatingSet(std::span<const Extremum> extrema, std::size_t count) {
    std::vector<Extremum> set = MergeRuns(extrema);
    while (set.size() > count) {
        const std::size_t excess = set.size() - count;
        std::size_t drop = SmallestIndex(set);
        // Removing an inner extremum joins two of the same sign, which takes two away; with
        // only one too many, an end has to go.
        if (excess == 1 || drop == 0 || drop + 1 == set.size()) {
            if (excess == 1) {
                drop =
                    std::fabs(set.front().error) < std::fabs(set.back().error) ? 0 : set.size() - 1;
            }
            set.erase(set.begin() + static_cast<std::ptrdiff_t>(drop));
            continue;
        }
        set.erase(set.begin() + static_cast<std::ptrdiff_t>(drop));
        set = MergeRuns(set);
    }
    return set;
}

double RelativeSpread(std::span<const Extremum> set) {
    if (set.empty()) {
        return 1.0;
    }
    double smallest = std::fabs(set[0].error);
    double largest = smallest;
    for (const Extremum& e : set) {
        smallest = std::min(smallest, std::fabs(e.error));
        largest = std::max(largest, std::fabs(e.error));
    }
    return largest > 0.0 ? (largest - smallest) / largest : 1.0;
}

}  // namespace tapwright
