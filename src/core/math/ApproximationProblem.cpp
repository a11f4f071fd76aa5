#include "math/ApproximationProblem.h"

#include <cmath>

namespace tapwright {

namespace {

constexpr double kPiValue = 3.141592653589793;
constexpr int kDefaultDensity = 16;

// Below this slope a differentiator band is weighted plainly: weighting by 1/f only makes
// sense where the desired response grows with f.
constexpr double kSmallestWeightedSlope = 0.0001;

}  // namespace

double ApproximationProblem::Q(double f) const {
    if (!oddSymmetry) {
        return oddLength ? 1.0 : std::cos(kPiValue * f);
    }
    return oddLength ? std::sin(2.0 * kPiValue * f) : std::sin(kPiValue * f);
}

double ApproximationProblem::Desired(std::size_t b, double f) const {
    const double value = bands[b].desired;
    return type == ResponseType::Differentiator ? value * f : value;
}

double ApproximationProblem::Weight(std::size_t b, double f) const {
    const ApproximationBand& band = bands[b];
    if (type == ResponseType::Differentiator && band.desired >= kSmallestWeightedSlope) {
        return band.weight / f;
    }
    return band.weight;
}

ApproximationProblem MakeApproximationProblem(ResponseType type, int numTaps, int density,
                                              int numBands, std::span<const double> edges,
                                              std::span<const double> desired,
                                              std::span<const double> weights) {
    ApproximationProblem problem;
    problem.type = type;
    problem.numTaps = numTaps;
    problem.oddSymmetry = type != ResponseType::Filter;
    problem.oddLength = numTaps % 2 == 1;
    problem.numCosines = numTaps / 2 + (problem.oddLength && !problem.oddSymmetry ? 1 : 0);
    const double step =
        0.5 / (static_cast<double>(density > 0 ? density : kDefaultDensity) * problem.numCosines);
    // Q vanishes at f = 0 for odd symmetry and at f = 0.5 when symmetry and parity agree.
    const bool zeroAtStart = problem.oddSymmetry;
    const bool zeroAtHalf = problem.oddSymmetry == problem.oddLength;
    for (int b = 0; b < numBands; ++b) {
        const auto i = static_cast<std::size_t>(b);
        ApproximationBand band{edges[2 * i], edges[2 * i + 1], desired[i], weights[i]};
        if (zeroAtStart && band.lower < step) {
            band.lower = step;
        }
        if (zeroAtHalf && band.upper > 0.5 - step) {
            band.upper = 0.5 - step;
        }
        if (band.lower <= band.upper) {
            problem.bands.push_back(band);
        }
    }
    return problem;
}

}  // namespace tapwright
