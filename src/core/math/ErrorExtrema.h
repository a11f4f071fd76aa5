#pragma once

#include <vector>

#include "math/ApproximationProblem.h"
#include "math/UniformSamples.h"

namespace tapwright {

// A local extremum of the weighted error: where it lies (cycles per sample) and its value.
struct Extremum {
    double frequency = 0.0;
    double error = 0.0;
    std::size_t band = 0;  // the band of the problem it lies in
};

// Which response the samples hold: the amplitude A(f) itself, or P(f) = A(f) / Q(f).
enum class SampledResponse { Amplitude, Reduced };

// Every local extremum of the weighted error over the continuous bands of the problem, both
// ends of every band included, in ascending frequency. The response is read from its samples
// (at least 16 per period of its fastest component) between which each extremum is located
// by successive parabolas.
std::vector<Extremum> FindErrorExtrema(const ApproximationProblem& problem,
                                       const UniformSamples& response, SampledResponse kind);

}  // namespace tapwright
