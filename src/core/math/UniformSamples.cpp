#include "math/UniformSamples.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

namespace {

constexpr int kStencil = UniformSamples::kStencil;
// Barycentric weights of eight equally spaced points: (-1)^j binomial(7, j).
constexpr double kStencilWeights[kStencil] = {1.0, -7.0, 21.0, -35.0, 35.0, -21.0, 7.0, -1.0};

}  // namespace

UniformSamples::UniformSamples(std::span<const double> values)
    : values_(values),
      intervals_(static_cast<int>(values.size()) - 1),
      spacing_(0.5 / static_cast<double>(values.size() - 1)) {}

int UniformSamples::IndexBelow(double f) const {
    const int m = static_cast<int>(std::floor(f / spacing_));
    return std::clamp(m, 0, intervals_);
}

int UniformSamples::StencilFirst(double f) const {
    // The stencil is centred on f where it can be, shifted inwards at the ends.
    return std::clamp(IndexBelow(f) - kStencil / 2 + 1, 0, intervals_ + 1 - kStencil);
}

double UniformSamples::At(double f) const {
    const int first = StencilFirst(f);
    const double t = f / spacing_ - first;
    double numerator = 0.0;
    double denominator = 0.0;
    for (int j = 0; j < kStencil; ++j) {
        const double d = t - j;
        const double value = values_[static_cast<std::size_t>(first + j)];
        if (d == 0.0) {
            return value;
        }
        const double c = kStencilWeights[j] / d;
        numerator += c * value;
        denominator += c;
    }
    return numerator / denominator;
}

UniformSamples::Stencil UniformSamples::StencilAt(double f) const {
    Stencil stencil;
    stencil.first = StencilFirst(f);
    const double t = f / spacing_ - stencil.first;
    double sum = 0.0;
    for (int j = 0; j < kStencil; ++j) {
        const double d = t - j;
        if (d == 0.0) {
            stencil.weights.fill(0.0);
            stencil.weights[static_cast<std::size_t>(j)] = 1.0;
            return stencil;
        }
        stencil.weights[static_cast<std::size_t>(j)] = kStencilWeights[j] / d;
        sum += stencil.weights[static_cast<std::size_t>(j)];
    }
    for (double& w : stencil.weights) {
        w /= sum;
    }
    return stencil;
}

double UniformSamples::At(const Stencil& stencil) const {
    const double* values = values_.data() + stencil.first;
    double value = 0.0;
    for (int j = 0; j < kStencil; ++j) {
        value += stencil.weights[static_cast<std::size_t>(j)] * values[j];
    }
    return value;
}

}  // namespace tapwright
