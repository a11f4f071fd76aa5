#pragma once

#include <span>
#include <vector>

#include "math/ResponseType.h"

namespace tapwright {

// What the response type and the length make of a design: the symmetry of the taps, the
// number r of cosine functions the amplitude response is built from, and the spacing of the
// dense frequency grid.
struct RemezShape {
    RemezShape(ResponseType type, int numTaps, int density);

    bool oddSymmetry = false;  // differentiators and Hilbert transformers: h[n] = -h[N-1-n]
    bool oddLength = false;
    int numCosines = 0;
    double spacing = 0.0;  // cycles per sample
};

// The band table of a design as the engine receives it. Edges are pairs (lower, upper) in
// cycles per sample; a differentiator's desired values are slopes.
struct RemezBands {
    ResponseType type = ResponseType::Filter;
    int numBands = 0;
    std::span<const double> edges;
    std::span<const double> desired;
    std::span<const double> weights;
};

// The dense grid the exchange works on: every band sampled at the grid spacing from its lower
// edge, with its upper edge as last point, and the desired value and weight at each point.
class RemezGrid {
public:
    // Samples the bands. Returns false when they would need more points than a grid can
    // index, or when the steps stop advancing the frequency (edges far beyond 0.5); throws
    // std::bad_alloc when the storage cannot be had.
    bool Build(const RemezBands& bands, const RemezShape& shape);

    // Turns the grid into the problem of approximating with a plain sum of cosines: the factor
    // Q(f) that the symmetry and length force on the response is divided out of the desired
    // values and multiplied into the weights. Also computes cos 2 pi f of every point, which
    // the exchange needs at every evaluation.
    void MakeEquivalentProblem(const RemezShape& shape);

    int Size() const { return size_; }
    double Frequency(int k) const { return frequency_[Index(k)]; }
    double Desired(int k) const { return desired_[Index(k)]; }
    double Weight(int k) const { return weight_[Index(k)]; }
    double Cosine(int k) const { return cosine_[Index(k)]; }

private:
    static std::size_t Index(int k) { return static_cast<std::size_t>(k); }
    bool SampleBand(const RemezBands& bands, int band, const RemezShape& shape, int& k);

    std::vector<double> frequency_;
    std::vector<double> desired_;
    std::vector<double> weight_;
    std::vector<double> cosine_;
    int size_ = 0;
};

}  // namespace tapwright
