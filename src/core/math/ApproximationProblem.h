#pragma once

#include <span>
#include <vector>

#include "math/ResponseType.h"

namespace tapwright {

// One band of a linear-phase design on the continuous frequency axis (cycles per sample).
struct ApproximationBand {
    double lower = 0.0;
    double upper = 0.0;
    double desired = 0.0;  // gain, or slope for a differentiator
    double weight = 0.0;
};

// The Chebyshev approximation problem a design solves: the bands, the symmetry and length of
// the taps, and the number r of cosine functions. The amplitude response is A(f) = Q(f) P(f)
// with P a sum of r cosines; Q is forced by the symmetry and parity of the taps.
struct ApproximationProblem {
    ResponseType type = ResponseType::Filter;
    int numTaps = 0;
    bool oddSymmetry = false;
    bool oddLength = false;
    int numCosines = 0;
    // Bands whose ends are held away from the points where Q vanishes, since the error there
    // is fixed by Q and no choice of taps can reduce it.
    std::vector<ApproximationBand> bands;

    double Q(double f) const;
    // The desired amplitude and the weight of the error in band b at f.
    double Desired(std::size_t b, double f) const;
    double Weight(std::size_t b, double f) const;
    // W(f) (A - D(f)) for an amplitude A at f in band b.
    double Error(std::size_t b, double f, double amplitude) const {
        return Weight(b, f) * (amplitude - Desired(b, f));
    }
    // The same error written for P = A / Q: W Q (P - D / Q).
    double ReducedError(std::size_t b, double f, double p) const {
        const double q = Q(f);
        return Weight(b, f) * q * (p - Desired(b, f) / q);
    }
};

// The problem of a design of numTaps taps of the given type over numBands bands (edges in
// ascending pairs, desired values and weights per band). A band end closer than one grid step
// (0.5 / (density r)) to a zero of Q is moved to that distance, as the grid of the grid
// exchange does; a band left empty by that is dropped. The counts must match the spans.
ApproximationProblem MakeApproximationProblem(ResponseType type, int numTaps, int density,
                                              int numBands, std::span<const double> edges,
                                              std::span<const double> desired,
                                              std::span<const double> weights);

}  // namespace tapwright
