#include "math/RemezGrid.h"

#include <cmath>
#include <limits>

#include "math/Constants.h"

namespace tapwright {

namespace {

// Below this slope a differentiator band is treated as a stopband: weighting it by 1/f would
// make the weight meaningless where the desired response is (nearly) zero.
constexpr double kSmallestWeightedSlope = 0.0001;

double DesiredAt(const RemezBands& bands, int band, double f) {
    const double value = bands.desired[static_cast<std::size_t>(band)];
    return bands.type == ResponseType::Differentiator ? value * f : value;
}

// A differentiator's error is weighted relative to the desired response |D(f)| = slope * f.
double WeightAt(const RemezBands& bands, int band, double f) {
    const auto b = static_cast<std::size_t>(band);
    const double weight = bands.weights[b];
    if (bands.type == ResponseType::Differentiator && bands.desired[b] >= kSmallestWeightedSlope) {
        return weight / f;
    }
    return weight;
}

double LowerEdge(const RemezBands& bands, int band) {
    return bands.edges[2 * static_cast<std::size_t>(band)];
}

double UpperEdge(const RemezBands& bands, int band) {
    return bands.edges[2 * static_cast<std::size_t>(band) + 1];
}

// Odd-symmetric responses vanish at f = 0, so their grid starts one step above it.
double FirstFrequency(const RemezBands& bands, const RemezShape& shape) {
    const double lower = LowerEdge(bands, 0);
    return shape.oddSymmetry && lower < shape.spacing ? shape.spacing : lower;
}

// An upper bound of the points the bands need, including one spare element after the last
// point that sampling writes. Two points per band absorb the rounding of repeated steps.
double PointBound(const RemezBands& bands, const RemezShape& shape) {
    double bound = 1.0;
    for (int b = 0; b < bands.numBands; ++b) {
        const double start = b == 0 ? FirstFrequency(bands, shape) : LowerEdge(bands, b);
        const double steps = (UpperEdge(bands, b) - start) / shape.spacing;
        bound += (steps > 0.0 ? std::floor(steps) : 0.0) + 2.0;
    }
    return bound;
}

}  // namespace

RemezShape::RemezShape(ResponseType type, int numTaps, int density)
    : oddSymmetry(type != ResponseType::Filter), oddLength(numTaps % 2 == 1) {
    numCosines = numTaps / 2 + (oddLength && !oddSymmetry ? 1 : 0);
    spacing = 0.5 / (static_cast<double>(density) * numCosines);
}

bool RemezGrid::Build(const RemezBands& bands, const RemezShape& shape) {
    const double bound = PointBound(bands, shape);
    if (!(bound <= static_cast<double>(std::numeric_limits<int>::max()))) {
        return false;
    }
    const auto capacity = static_cast<std::size_t>(bound);
    frequency_.assign(capacity, 0.0);
    desired_.assign(capacity, 0.0);
    weight_.assign(capacity, 0.0);
    cosine_.assign(capacity, 0.0);

    int k = 0;
    frequency_[0] = FirstFrequency(bands, shape);
    for (int b = 0; b < bands.numBands; ++b) {
        if (!SampleBand(bands, b, shape, k)) {
            return false;
        }
    }
    size_ = k;
    // Even-length even-symmetric and odd-length odd-symmetric responses are forced to zero
    // at f = 0.5, so a point there could only be approximated with an infinite weight.
    if (shape.oddSymmetry == shape.oddLength &&
        frequency_[Index(size_ - 1)] > 0.5 - shape.spacing) {
        --size_;
    }
    return true;
}

// Samples one band from its lower edge (the first band's start is already set) at the grid
// spacing; the upper edge replaces the last regular point, so the band ends exactly on it.
// Leaves k one past the band's last point. Returns false when the storage bound is reached,
// which only happens when the steps no longer advance the frequency (edges far beyond 0.5).
bool RemezGrid::SampleBand(const RemezBands& bands, int band, const RemezShape& shape, int& k) {
    const double upper = UpperEdge(bands, band);
    if (band > 0) {
        frequency_[Index(k)] = LowerEdge(bands, band);
    }
    do {
        if (Index(k) + 1 >= frequency_.size()) {
            return false;
        }
        const double f = frequency_[Index(k)];
        desired_[Index(k)] = DesiredAt(bands, band, f);
        weight_[Index(k)] = WeightAt(bands, band, f);
        frequency_[Index(k) + 1] = f + shape.spacing;
        ++k;
    } while (frequency_[Index(k)] <= upper);
    const std::size_t last = Index(k - 1);
    frequency_[last] = upper;
    desired_[last] = DesiredAt(bands, band, upper);
    weight_[last] = WeightAt(bands, band, upper);
    return true;
}

void RemezGrid::MakeEquivalentProblem(const RemezShape& shape) {
    for (int k = 0; k < size_; ++k) {
        const double f = frequency_[Index(k)];
        cosine_[Index(k)] = std::cos(kTwoPi * f);
        if (shape.oddLength && !shape.oddSymmetry) {
            continue;
        }
        double q = 0.0;
        if (!shape.oddSymmetry) {
            q = std::cos(kPi * f);
        } else if (shape.oddLength) {
            q = std::sin(kTwoPi * f);
        } else {
            q = std::sin(kPi * f);
        }
        desired_[Index(k)] /= q;
        weight_[Index(k)] *= q;
    }
}

}  // namespace tapwright
