#include "math/CosineTransforms.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>

#include "math/TransformPlans.h"

namespace tapwright {

namespace {

constexpr double kPiValue = 3.141592653589793;
// Samples per cosine on [0, 0.5], and a few more intervals so that short sums are not sampled
// too sparsely for the eight-point interpolation between samples.
constexpr int kSamplesPerCosine = 16;
constexpr int kSpareIntervals = 64;

}  // namespace

int FastTransformSize(int n) {
    int best = 1;
    while (best < n) {
        best *= 2;
    }
    for (long p3 = 1; p3 < best; p3 *= 3) {
        for (long p35 = p3; p35 < best; p35 *= 5) {
            long size = p35;
            while (size < n) {
                size *= 2;
            }
            best = static_cast<int>(std::min<long>(best, size));
        }
    }
    return best;
}

int SamplingIntervals(int numCosines) {
    return FastTransformSize(kSamplesPerCosine * numCosines + kSpareIntervals);
}

std::vector<double> CosineSumOnGrid(std::span<const double> coefficients, int intervals) {
    const auto size = static_cast<std::size_t>(intervals) + 1;
    // The real part of sum_k a_k e^(i pi k m / M), the backward transform of length 2 M, is
    // the sum at f_m = m / (2 M).
    const std::size_t count = std::min(coefficients.size(), size);
    std::vector<double> in(2 * count, 0.0);
    for (std::size_t k = 0; k < count; ++k) {
        in[2 * k] = coefficients[k];
    }
    std::vector<double> transform(2 * size);
    RunTransform(TransformKind::ComplexBackward, 2 * intervals, in, transform);
    std::vector<double> out(size);
    for (std::size_t m = 0; m < size; ++m) {
        out[m] = transform[2 * m];
    }
    return out;
}

std::vector<double> ChebyshevCoefficients(std::span<const double> values) {
    const std::size_t count = values.size();
    std::vector<double> out(count, 0.0);
    // REDFT10 gives 2 sum_j X_j cos(pi (j + 1/2) k / r); the discrete orthogonality of the
    // cosines at these points turns that into the coefficients.
    RunTransform(TransformKind::CosineRedft10, static_cast<int>(count), values, out);
    const double scale = 1.0 / static_cast<double>(count);
    for (double& c : out) {
        c *= scale;
    }
    out[0] *= 0.5;
    return out;
}

std::vector<double> ChebyshevPoints(int count) {
    std::vector<double> points(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j) {
        points[static_cast<std::size_t>(j)] = std::cos(kPiValue * (j + 0.5) / count);
    }
    return points;
}

std::vector<double> AmplitudeOnGrid(std::span<const double> taps, bool oddSymmetry, int intervals) {
    const std::size_t bins = static_cast<std::size_t>(intervals) + 1;
    const std::size_t length = 2 * static_cast<std::size_t>(intervals);
    const bool wholeCentre = taps.size() % 2 == 1;
    // The backward transform, the one the cosine sums of the same size run, gives the
    // conjugate of sum_n h_n e^{i 2 pi f (c - n)} for real taps: its real part is the
    // symmetric amplitude, its imaginary part the negated antisymmetric one. With a
    // whole-sample centre c the taps go in rotated by c, h_n at n - c modulo the length, so
    // that there is no delay to take out.
    const std::size_t rotation = wholeCentre ? length - (taps.size() - 1) / 2 : 0;
    std::vector<double> in(2 * (wholeCentre ? length : taps.size()), 0.0);
    for (std::size_t n = 0; n < taps.size(); ++n) {
        in[2 * ((n + rotation) % length)] = taps[n];
    }
    std::vector<double> transform(2 * bins);
    RunTransform(TransformKind::ComplexBackward, static_cast<int>(length), in, transform);
    std::vector<double> amplitude(bins);
    if (wholeCentre) {
        for (std::size_t m = 0; m < bins; ++m) {
            amplitude[m] = oddSymmetry ? -transform[2 * m + 1] : transform[2 * m];
        }
        return amplitude;
    }
    // The conjugate of H(f) = e^{-i 2 pi f c} (sum_n h_n cos(2 pi f (c - n)) +
    // i sum_n h_n sin(...)). The delay term's phase pi m (N - 1) / (2 M) is reduced exactly
    // in integers.
    const std::int64_t twiceDelay = static_cast<std::int64_t>(taps.size()) - 1;
    const std::int64_t period = 4 * static_cast<std::int64_t>(intervals);
    for (std::size_t m = 0; m < bins; ++m) {
        const std::int64_t turn = (static_cast<std::int64_t>(m) * twiceDelay) % period;
        const double phase = kPiValue * static_cast<double>(turn) / (2.0 * intervals);
        const std::complex<double> undelayed =
            std::complex<double>(transform[2 * m], transform[2 * m + 1]) * std::polar(1.0, -phase);
        amplitude[m] = oddSymmetry ? -undelayed.imag() : undelayed.real();
    }
    return amplitude;
}

}  // namespace tapwright
