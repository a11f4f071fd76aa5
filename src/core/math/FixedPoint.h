#pragma once

#include <cmath>
#include <cstdint>

namespace tapwright {

// The scale of a fixed-point word of the given bits: 2^(bits - 1), so that the words
// k = -scale .. scale - 1 stand for the values k / scale in [-1, 1).
inline double QuantizationScale(std::int32_t bits) {
    return std::floor(std::pow(2.0, bits - 1) + 0.00001);
}

// The word nearest to x * scale (halves away from zero), held within -scale .. scale - 1.
inline double QuantizedWord(double x, double scale) {
    const double word = std::round(x * scale);
    return word < -scale ? -scale : (word > scale - 1.0 ? scale - 1.0 : word);
}

}  // namespace tapwright
