#pragma once

#include <complex>
#include <cstddef>
#include <span>

#include "math/ChannelSelection.h"

namespace tapwright {

// One coefficient a + jb of the filter a selection picks out of the two channels.
struct SelectedTap {
    double real = 0.0;
    double imag = 0.0;
};

// Tap n (n < inphase.size()) for the selection: Quadrature gives h_Q[n] as a real tap, the
// complex filter h_I[n] + j h_Q[n], any other selection h_I[n] as a real tap (one response
// cannot hold both channels side by side). The filter length is the Inphase count; a
// Quadrature channel shorter than that reads as zeros.
SelectedTap SelectTap(std::span<const double> inphase, std::span<const double> quadrature,
                      ChannelSelection select, std::size_t n);

// The frequency response sum of h[n] e^(-j 2 pi nu n), nu in cycles per sample, evaluated
// term by term exactly as the plots have always done it: the angle is carried forward by
// addition with one correction of a full turn per step, and every term costs one sine and
// one cosine. It is slow and serves as the yardstick for ResponseEvaluator. No taps give 0.
std::complex<double> ReferenceResponse(std::span<const double> inphase,
                                       std::span<const double> quadrature, ChannelSelection select,
                                       double nu);

}  // namespace tapwright
