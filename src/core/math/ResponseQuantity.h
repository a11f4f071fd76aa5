#pragma once

#include <cmath>
#include <complex>

#include "math/Constants.h"

namespace tapwright {

// What a response evaluation returns per frequency: the power |H|^2 or the phase of H in
// degrees, -180 to 180.
enum class ResponseQuantity { Power, Phase };

// X^2 + Y^2 of the response X + jY.
inline double PowerOf(std::complex<double> response) { return std::norm(response); }

// atan2(Y, X) in degrees. A response of exactly zero has phase 0, whatever the signs of
// its zeros, so a null of the filter never shows up as a stray 180 degrees.
inline double PhaseDegreesOf(std::complex<double> response) {
    if (response.real() == 0.0 && response.imag() == 0.0) {
        return 0.0;
    }
    return std::atan2(response.imag(), response.real()) * kDegreesPerRadian;
}

inline double QuantityOf(std::complex<double> response, ResponseQuantity quantity) {
    return quantity == ResponseQuantity::Phase ? PhaseDegreesOf(response) : PowerOf(response);
}

// The value a response plot shows: a phase unchanged, a power as 10 log10 in dB but never
// below the floor. A power of zero (a null on the grid) gives the floor without taking a
// logarithm of it.
double PlotValue(ResponseQuantity quantity, double response, double minResponseDb);

}  // namespace tapwright
