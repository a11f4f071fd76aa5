#pragma once

#include "math/ChannelSelection.h"
#include "math/ResponseQuantity.h"

#include <complex>
#include <cstddef>
#include <span>
#include <vector>

namespace tapwright {

// The frequency response of one filter selection, fast enough for the plots.
//
// The coefficients are copied once into contiguous storage. Each response is the
// polynomial sum h[n] z^n at the point z = e^(-j 2 pi nu) of the unit circle, evaluated by
// Horner's rule: four multiplications and four additions per tap and no sine or cosine
// inside the loop. Arrays of frequencies are evaluated several at a time in independent
// lanes, which the compiler turns into vector arithmetic. Horner's rule on the unit circle
// is backward stable, so the result agrees with the term-by-term sum to rounding.
//
// Frequencies nu are in cycles per sample (frequency / Fs). The response is periodic in
// nu, so any real nu is accepted and reduced to one turn exactly.
class ResponseEvaluator {
public:
    // An evaluator without taps for one channel or the complex filter (see SelectTap: the
    // Inphase channel stands for both channels side by side). Its responses are 0.
    explicit ResponseEvaluator(ChannelSelection select);

    // The taps of the two channels; see AppendTaps.
    ResponseEvaluator(std::span<const double> inphase, std::span<const double> quadrature,
                      ChannelSelection select);

    // Appends the next inphase.size() taps, so that a channel kept in blocks can be passed
    // block by block. A Quadrature run shorter than the Inphase run reads as zeros; a
    // longer one is read only as far as the Inphase run goes.
    void AppendTaps(std::span<const double> inphase, std::span<const double> quadrature);

    std::size_t TapCount() const { return real_.size(); }

    std::complex<double> Evaluate(double nu) const;
    double Evaluate(double nu, ResponseQuantity quantity) const;

    // Evaluates min(nu.size(), out.size()) frequencies into out.
    void Evaluate(std::span<const double> nu, ResponseQuantity quantity,
                  std::span<double> out) const;

private:
    // Frequencies evaluated together by the array form.
    static constexpr std::size_t kLanes = 8;

    template <std::size_t Lanes>
    void EvaluateLanes(const double* zReal, const double* zImag, double* hReal,
                       double* hImag) const;

    ChannelSelection select_;
    std::vector<double> real_;
    std::vector<double> imag_;  // empty unless the selection is the complex filter
};

// e^(-j 2 pi nu), computed from the fraction of a turn reduced to an eighth of a turn, so
// that quarter turns (nu = 0, 0.25, 0.5, ...) come out exact.
std::complex<double> UnitCirclePoint(double nu);

}  // namespace tapwright
