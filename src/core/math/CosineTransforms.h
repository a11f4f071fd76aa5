#pragma once

#include <span>
#include <vector>

namespace tapwright {

// Fast transforms between sums of cosines and their samples.

// The smallest size of the form 2^a 3^b 5^c that is at least n: transforms of such sizes are fast.
int FastTransformSize(int n);

// The intervals M of the uniform grid on which a sum of r cosines is sampled, here and by the
// exchanges and the certificate: 32 samples per period of its fastest term, at a fast size.
// All of them sampling at this size lets them share one transform plan per length.
int SamplingIntervals(int numCosines);

// The sum P(f) = sum_k a_k cos(2 pi k f) at f_m = m / (2 M), m = 0..M (intervals = M, which
// must be at least the number of coefficients).
std::vector<double> CosineSumOnGrid(std::span<const double> coefficients, int intervals);

// The coefficients a_k, k < r, of the sum of r cosines P(x) = sum_k a_k T_k(x) that takes the
// given values at the r Chebyshev points x_j = cos(pi (j + 1/2) / r).
std::vector<double> ChebyshevCoefficients(std::span<const double> values);

// The Chebyshev points the values above belong to.
std::vector<double> ChebyshevPoints(int count);

// The amplitude response of linear-phase taps, the response with its delay removed, at
// f_m = m / (2 M), m = 0..M: sum_n h_n cos(2 pi f (c - n)) for symmetric taps and
// sum_n h_n sin(2 pi f (c - n)) for antisymmetric ones, c = (N - 1) / 2. 2 M must be at least
// the number of taps.
std::vector<double> AmplitudeOnGrid(std::span<const double> taps, bool oddSymmetry, int intervals);

}  // namespace tapwright
