#pragma once

#include <span>
#include <vector>

namespace tapwright {

// Weights w_k proportional to 1 / prod_{j != k} (x_k - x_j) of distinct nodes, scaled so that
// the largest has size 1. The products are carried as mantissa and exponent, so that they
// neither overflow nor underflow however many nodes there are; a weight below the smallest
// double relative to the largest becomes 0.
std::vector<double> BarycentricWeights(std::span<const double> nodes);

// The polynomial through (nodes[k], values[k]) at x, in the second barycentric form.
double BarycentricInterpolate(std::span<const double> nodes, std::span<const double> weights,
                              std::span<const double> values, double x);

}  // namespace tapwright
