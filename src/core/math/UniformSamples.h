#pragma once

#include <array>
#include <span>

namespace tapwright {

// A smooth function sampled at f_m = m / (2 M), m = 0..M, that is on [0, 0.5] in cycles per
// sample, and read between the samples by local polynomial interpolation.
class UniformSamples {
public:
    // values holds M + 1 samples, M >= 8; it must outlive this object.
    explicit UniformSamples(std::span<const double> values);

    int Intervals() const { return intervals_; }
    double Frequency(int m) const { return m * spacing_; }
    double Value(int m) const { return values_[static_cast<std::size_t>(m)]; }
    // The index of the last sample at or below f (f within [0, 0.5]).
    int IndexBelow(double f) const;

    // The value at any f in [0, 0.5] from the eight samples around it. With at least 16
    // samples per period of the fastest component, the result is good to about 1e-10 of the
    // function's size.
    double At(double f) const;

    // The samples At reads for one frequency and their weights. They depend on the number
    // of intervals and the frequency only, so a caller that reads the same frequencies from
    // many sets of samples of one size works them out once and spares At's divisions.
    static constexpr int kStencil = 8;
    struct Stencil {
        int first = 0;
        std::array<double, kStencil> weights{};
    };
    Stencil StencilAt(double f) const;
    // The value with a stencil made for samples of this size; the same as At up to rounding.
    double At(const Stencil& stencil) const;

private:
    // The first of the samples a stencil for f reads.
    int StencilFirst(double f) const;

    std::span<const double> values_;
    int intervals_;
    double spacing_;
};

}  // namespace tapwright
