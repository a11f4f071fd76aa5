#pragma once

#include <span>
#include <vector>

namespace tapwright {

// The numTaps taps whose amplitude response is Q(f) P(f), where P(f) = sum_k a_k cos(2 pi k f)
// holds r = coefficients.size() terms and Q is forced by the symmetry and the length (1,
// cos pi f, sin 2 pi f or sin pi f). Both halves are written; the centre tap of an odd-length
// antisymmetric filter is 0.
std::vector<double> TapsFromCosines(std::span<const double> coefficients, bool oddSymmetry,
                                    int numTaps);

}  // namespace tapwright
