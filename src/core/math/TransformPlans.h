#pragma once

#include <span>

namespace tapwright {

// The FFTW transforms the numerical code runs. Complex values are interleaved real and
// imaginary parts. FFTW plans complex transforms in a fraction of the time it takes for real
// ones of the same length (a tenth by estimate, 0.1 against 1.9 ms at 32,768 points), which
// outweighs the few tenths of a millisecond the complex transform takes longer to run for
// the few transforms of one design.
enum class TransformKind {
    ComplexForward,   // n complex values, the sum with e^(-2 pi i j k / n)
    ComplexBackward,  // n complex values, the sum with e^(+2 pi i j k / n), unscaled
    CosineRedft10     // FFTW_REDFT10 of n reals
};

// Runs the transform of the given kind and size on input, zero-padded to the transform's
// length (2 n values for the complex kinds, n for the cosine one), into output (as many
// values; a shorter output takes the leading ones). Plans are made once per kind and size
// and kept for the most recently used sizes: planning, even by estimate, and the twiddle
// factors a new plan computes cost far more than the transforms a design runs. Safe to call
// from several threads; they take turns.
void RunTransform(TransformKind kind, int n, std::span<const double> input,
                  std::span<double> output);

}  // namespace tapwright
