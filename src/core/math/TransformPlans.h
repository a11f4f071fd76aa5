#pragma once

#include <span>

namespace tapwright {

// The FFTW transforms the numerical code runs.
enum class TransformKind {
    RealToComplex,  // n reals to n / 2 + 1 complex values, interleaved real and imaginary
    CosineRedft00,  // FFTW_REDFT00 of n reals
    CosineRedft10   // FFTW_REDFT10 of n reals
};

// Runs the transform of the given kind and size on input, zero-padded to n values, into
// output (n values, or n + 2 for RealToComplex; a shorter output takes the leading ones). Plans are made once per kind and size and kept for the most
// recently used sizes: planning, even by estimate, and the twiddle factors a new plan computes
// cost far more than the transforms a design runs. Safe to call from several threads; they
// take turns.
void RunTransform(TransformKind kind, int n, std::span<const double> input,
                  std::span<double> output);

}  // namespace tapwright
