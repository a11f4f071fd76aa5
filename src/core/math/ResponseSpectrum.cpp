#include "math/ResponseSpectrum.h"

#include <algorithm>
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
    // The taps' transform fills the first half of the output, the ramp's the second.
    const int n = static_cast<int>(length);
    const std::span<double> output(output_);
    RunTransform(TransformKind::RealToComplex, n, taps, output.first(2 * bins_));
    const double centre = 0.5 * static_cast<double>(taps.size() - 1);
    std::vector<double> ramp(taps.size());
    for (std::size_t i = 0; i < taps.size(); ++i) {
        ramp[i] = (static_cast<double>(i) - centre) * taps[i];
    }
    RunTransform(TransformKind::RealToComplex, n, ramp, output.last(2 * bins_));
}

}  // namespace tapwright
