#pragma once

#include <span>
#include <vector>

#include "math/ApproximationProblem.h"
#include "math/ErrorExtrema.h"

namespace tapwright {

// How close taps are to the equiripple optimum of their problem, measured on the continuous
// bands: the r + 1 largest alternating extrema of the weighted error and their relative
// spread. The optimum's weighted error lies between the smallest and the largest of them.
struct EquirippleCertificate {
    // (max |E| - min |E|) / max |E| over the alternation; 1 when the error alternates fewer
    // than r + 1 times.
    double spread = 1.0;
    double peakError = 0.0;  // max |E| over the bands
    std::vector<Extremum> alternation;
};

// Measures taps (the problem's numTaps, with its symmetry) against the problem.
EquirippleCertificate CertifyEquiripple(std::span<const double> taps,
                                        const ApproximationProblem& problem);

}  // namespace tapwright
