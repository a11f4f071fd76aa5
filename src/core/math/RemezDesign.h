#pragma once

#include <span>
#include <vector>

#include "math/RemezExchange.h"
#include "math/ResponseType.h"

namespace tapwright {

// What a design found besides its taps, for callers that judge or display the result.
struct RemezReport {
    RemezStop stop = RemezStop::Converged;
    int iterations = 0;      // exchange iterations carried out
    double deviation = 0.0;  // the levelled size of the weighted error on the final set
    // The r + 1 frequencies (cycles per sample) on which the taps' weighted error is
    // +-deviation with alternating sign.
    std::vector<double> extremalFrequencies;
};

// Whether the arguments describe a design at all: a known type, at least 3 taps, a band,
// arrays as long as the counts, and finite values.
bool RemezArgumentsUsable(ResponseType type, int numTaps, int numBands,
                          std::span<const double> edges, std::span<const double> desired,
                          std::span<const double> weights, std::span<double> h);

// Designs the linear-phase FIR filter of numTaps taps whose weighted error over the bands is
// equiripple and minimal (the Parks-McClellan exchange); a differentiator's desired values are
// slopes. edges holds the lower
// and upper edge of each band in cycles per sample, ascending; density is the number of grid
// points per cosine function, 16 when 0 or less. progress (when set) is called at the start of
// every iteration.
//
// Returns 1 on success. Returns 0 when the arguments are unusable (fewer than 3 taps, no band,
// an unknown type, arrays shorter than the counts, values that are not finite, bands too
// narrow to hold r + 1 grid points, or storage that cannot be had); h is then untouched and
// nothing is shown. Also returns 0 when the deviation stopped growing; h then holds the taps
// of the last extremal set, unless rounding made them something other than numbers, in which
// case h is untouched. Reaching the iteration limit of 25 still counts as success.
int RemezDesign(ResponseType type, int numTaps, int density, int numBands,
                std::span<const double> edges, std::span<const double> desired,
                std::span<const double> weights, std::span<double> h,
                const ExchangeProgress& progress);

// The same, also filling report; the report is left as it was when the arguments are
// unusable or the grid cannot be built.
int RemezDesign(ResponseType type, int numTaps, int density, int numBands,
                std::span<const double> edges, std::span<const double> desired,
                std::span<const double> weights, std::span<double> h,
                const ExchangeProgress& progress, RemezReport& report);

}  // namespace tapwright
