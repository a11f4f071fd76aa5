#include "plot/AutoscaleGrid.h"

#include <algorithm>

namespace tapwright {

std::vector<double> AutoscaleGrid(double xMin, double xMax) {
    std::vector<double> grid;
    if (!(xMin < xMax)) {
        return grid;
    }
    const double step = (xMax - xMin) * 0.0078125;
    double f = xMin;
    do {
        grid.push_back(f);
        const double next = f + step;
        if (!(next > f)) {
            break;
        }
        f = next;
    } while (f < xMax);
    return grid;
}

std::optional<TraceRange> TraceValueRange(std::span<const double> first,
                                          std::span<const double> second) {
    if (first.empty() && second.empty()) {
        return std::nullopt;
    }
    const double start = first.empty() ? second.front() : first.front();
    TraceRange range{start, start};
    for (const std::span<const double> trace : {first, second}) {
        for (const double v : trace) {
            range.lo = std::min(range.lo, v);
            range.hi = std::max(range.hi, v);
        }
    }
    return range;
}

}  // namespace tapwright
