#pragma once

#include <span>
#include <vector>

#include "math/RemezExchange.h"
#include "math/RemezGrid.h"

namespace tapwright {

// Turns the polynomial the exchange ends with into the coefficients of its r cosine
// functions, and those into the taps of the filter.
class RemezCoefficients {
public:
    // Allocates all the storage the computation needs.
    explicit RemezCoefficients(int numCosines);

    // Samples the polynomial at r equally spaced angles and transforms the samples into the
    // cosine coefficients.
    void Compute(const RemezGrid& grid, const RemezExchange& exchange);

    // Writes the numTaps taps, both halves, into h (which must hold that many).
    void WriteImpulseResponse(const RemezShape& shape, int numTaps, std::span<double> h) const;

private:
    void SamplePolynomial(const RemezExchange& exchange, bool mapped, double aa, double bb);
    void CosineTransform();
    void UndoIntervalMapping(double aa, double bb);
    double Alpha(int j) const { return alpha_[static_cast<std::size_t>(j)]; }

    int numCosines_;
    std::vector<double> sample_;  // the polynomial at the sampling angles, then scratch
    std::vector<double> alpha_;   // r coefficients and two zero terms past them
    std::vector<double> p_;
    std::vector<double> q_;
    std::vector<double> cosTable_;  // cos(2 pi m / (2r - 1)) for every m below 2r - 1
};

}  // namespace tapwright
