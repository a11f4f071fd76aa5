#pragma once

#include <complex>
#include <cstddef>
#include <span>
#include <vector>

namespace tapwright {

// The response H(f) of real taps and its slope on a uniform grid f_k = k / L of [0, 0.5],
// both from one zero-padded real FFT of length L.
//
// The slope is kept as the transform of the centred ramp (n - c) h[n], c = (N - 1) / 2:
// with it dH/df = -j 2 pi (G_c(f) + c H(f)), and the centred response e^(j 2 pi f c) H(f)
// has the derivative -j 2 pi e^(j 2 pi f c) G_c(f). The centred response turns no faster
// than the filter's half length, which is what makes interpolation between grid points
// accurate.
class ResponseSpectrum {
public:
    // Transforms taps zero-padded to length (a size whose prime factors are 2, 3, 5 and 7
    // keeps the transform fast). length must be even and at least taps.size().
    ResponseSpectrum(std::span<const double> taps, std::size_t length);

    std::size_t Length() const { return length_; }
    // Grid points 0 .. Length() / 2.
    std::size_t Size() const { return bins_; }
    double Frequency(std::size_t k) const {
        return static_cast<double>(k) / static_cast<double>(length_);
    }
    std::complex<double> Response(std::size_t k) const { return Bin(k); }
    std::complex<double> CentredRamp(std::size_t k) const { return Bin(bins_ + k); }

private:
    std::complex<double> Bin(std::size_t i) const { return {output_[2 * i], output_[2 * i + 1]}; }

    std::size_t length_;
    std::size_t bins_;
    // The two transforms side by side, as interleaved real and imaginary parts.
    std::vector<double> output_;
};

// The smallest length at or above minimum whose prime factors are 2, 3, 5 and 7 only, and
// which is even.
std::size_t FastTransformLength(std::size_t minimum);

}  // namespace tapwright
