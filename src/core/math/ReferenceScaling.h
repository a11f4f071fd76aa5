#pragma once

#include <span>
#include <vector>

#include "math/ApproximationProblem.h"
#include "math/ErrorExtrema.h"

namespace tapwright {

// A point of a reference set: a frequency (cycles per sample) and the band it lies in.
struct ReferencePoint {
    double frequency = 0.0;
    std::size_t band = 0;
};

// The frequencies and bands of extrema, as a reference.
std::vector<ReferencePoint> ToReference(std::span<const Extremum> extrema);

// count points spread evenly over the bands taken end to end, both ends of the whole included.
std::vector<ReferencePoint> EvenReference(const ApproximationProblem& problem, std::size_t count);

// A reference of count points made from the reference of a shorter design of the same bands:
// each band receives its share of the old points in proportion, and its new points follow the
// old ones' positions (interpolated linearly by rank). The extremal sets of equiripple designs
// of different lengths are spread alike, so this starts the longer exchange close to its end.
std::vector<ReferencePoint> ScaleReference(const ApproximationProblem& problem,
                                           std::span<const ReferencePoint> shorter,
                                           std::size_t count);

}  // namespace tapwright
