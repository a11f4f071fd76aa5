#pragma once

#include <span>
#include <vector>

#include "math/ApproximationProblem.h"
#include "math/ExchangeProgress.h"
#include "math/ReferenceScaling.h"

namespace tapwright {

// What the exchange on the continuous bands ends with.
struct RobustRemezResult {
    bool converged = false;    // the extremal errors levelled to within kLevelledSpread
    int iterations = 0;        // exchange iterations at all lengths together
    double deviation = 0.0;    // the levelled error on the final reference
    double spread = 1.0;       // relative spread of the error over the final extrema
    std::vector<double> taps;  // numTaps taps; empty when no reference could be levelled
    std::vector<ReferencePoint> reference;  // r + 1 alternating extrema of the final error
    // When the exchange did not converge: the taps of the longest shorter problem that did,
    // padded with zeros to numTaps (the same amplitude response). An optimum that lies below
    // what double precision resolves is better approached by them than by a failed exchange.
    std::vector<double> shorterTaps;
};

// The Remez exchange on the continuous bands. It works in x = cos 2 pi f: the polynomial P
// that levels the weighted error on r + 1 reference points is held in barycentric form with
// scaled weights, sampled on a fine grid through its Chebyshev coefficients, and the local
// extrema of its error are located between the samples; the largest alternating r + 1 of them
// become the next reference. It stops when they are level to kLevelledSpread.
//
// The first reference is start when it holds r + 1 points, otherwise the final reference of
// the same problem with half as many cosines, scaled up (recursively; short problems start
// from evenly spread points). When a start leads nowhere, the exchange begins again from the
// scaled reference. The taps come from P's Chebyshev coefficients.
RobustRemezResult RobustRemez(const ApproximationProblem& problem,
                              std::span<const ReferencePoint> start,
                              const ExchangeProgress& progress);

// The relative spread at which the exchange counts the error as level.
inline constexpr double kLevelledSpread = 1e-4;

}  // namespace tapwright
