#pragma once

#include <optional>
#include <span>
#include <vector>

namespace tapwright {

// The frequencies a response plot evaluates when it scales its axes: from xMin in steps of
// (xMax - xMin) / 128 while below xMax, so 128 points (rounding may add one) and never xMax
// itself. Empty unless xMin < xMax. A range too narrow for the step to move the frequency
// ends the grid there instead of repeating the same frequency forever.
std::vector<double> AutoscaleGrid(double xMin, double xMax);

struct TraceRange {
    double lo = 0.0;
    double hi = 0.0;
};

// The smallest and largest value of both traces together; none when both are empty.
std::optional<TraceRange> TraceValueRange(std::span<const double> first,
                                          std::span<const double> second);

}  // namespace tapwright
