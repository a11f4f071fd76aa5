#include "math/ResponseSpectrum.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "math/TransformPlans.h"

namespace tapwright {

namespace {

bool HasOnlySmallFactors(std::size_t n) {
    for (const std::size_t factor : {2U, 3U, 5U, 7U}) {
        while (n % factor == 0) {
            n /= factor;
        }
    }
    return n == 1;
}

}  // namespace

std::size_t FastTransformLength(std::size_t minimum) {
    std::size_t n = std::max<std::size_t>(minimum + minimum % 2, 2);
    while (!HasOnlySmallFactors(n)) {
        n += 2;
    }
    return n;
}

ResponseSpectrum::ResponseSpectrum(std::span<const double> taps, std::size_t length)
    : length_(length), bins_(length / 2 + 1), output_(4 * bins_) {
    // One complex transform carries both real sequences: the taps as real parts, the ramp as
    // imaginary parts. The ramp is scaled by a power of two (exactly) to the size of the taps,
    // so that the rounding of the one does not swamp the other when they are taken apart.
    const double centre = 0.5 * static_cast<double>(taps.size() - 1);
    const int exponent = std::ilogb(std::max(centre, 1.0));
    const double down = std::ldexp(1.0, -exponent);
    std::vector<double> packed(2 * taps.size());
    for (std::size_t i = 0; i < taps.size(); ++i) {
        packed[2 * i] = taps[i];
        packed[2 * i + 1] = down * (static_cast<double>(i) - centre) * taps[i];
    }
    std::vector<double> transform(2 * length);
    RunTransform(TransformKind::ComplexForward, static_cast<int>(length), packed, transform);
    // With Z the transform, the taps' is (Z_k + conj Z_-k) / 2, the ramp's
    // (Z_k - conj Z_-k) / 2i.
    const double up = std::ldexp(0.5, exponent);
    for (std::size_t k = 0; k < bins_; ++k) {
        const std::size_t mirror = k == 0 ? 0 : length - k;
        const double re = transform[2 * k];
        const double im = transform[2 * k + 1];
        const double mirrorRe = transform[2 * mirror];
        const double mirrorIm = transform[2 * mirror + 1];
        output_[2 * k] = 0.5 * (re + mirrorRe);
        output_[2 * k + 1] = 0.5 * (im - mirrorIm);
        output_[2 * (bins_ + k)] = up * (im + mirrorIm);
        output_[2 * (bins_ + k) + 1] = up * (mirrorRe - re);
    }
}

}  // namespace tapwright
