#include "math/Windowing.h"

#include <algorithm>
#include <cmath>

#include "math/Constants.h"

namespace tapwright {

namespace {

constexpr double kBesselTolerance = 1e-20;

bool HasConverged(double previous, double next) {
    return std::fabs((next - previous) / next) < kBesselTolerance;
}

}  // namespace

bool IsUsableKaiserAlpha(double alpha) {
    return std::fabs(alpha) <= kMaxKaiserAlpha;
}

double BesselI0(double x) {
    const double half = x * 0.5;
    double sum = 1.0 + half * half;
    if (HasConverged(1.0, sum)) {
        return sum;
    }
    // term = (x/2)^k / k!; its square is the k-th term of the series.
    double term = half;
    for (int k = 2;; ++k) {
        term *= half / k;
        const double next = sum + term * term;
        if (!std::isfinite(next) || HasConverged(sum, next)) {
            return next;
        }
        sum = next;
    }
}

DataWindow::DataWindow(WindowType type, double alpha, std::int64_t length)
    : type_(type), alpha_(alpha), length_(length), half_(length / 2) {
    if (type_ == WindowType::KaiserBessel) {
        kaiserNormaliser_ = BesselI0(alpha_ * kPi);
    }
}

double DataWindow::At(std::int64_t i) const {
    const double n = static_cast<double>(length_);
    const double theta = kTwoPi * static_cast<double>(i) / n;
    switch (type_) {
        case WindowType::BlackmanHarris:
            return 0.35875 - 0.48829 * std::cos(theta) + 0.14128 * std::cos(2.0 * theta) -
                   0.01168 * std::cos(3.0 * theta);
        case WindowType::Hanning:
            return 1.0 - (std::cos(theta) + 1.0) * 0.5;
        case WindowType::Gaussian: {
            const double u = 3.5 * (static_cast<double>(i) - n * 0.5) / (n * 0.5);
            return std::exp(-0.5 * u * u);
        }
        case WindowType::Hamming:
            return 0.08 + 0.46 * (1.0 - std::cos(theta));
        case WindowType::KaiserBessel:
            return KaiserBessel(i);
    }
    return 1.0;
}

double DataWindow::KaiserBessel(std::int64_t i) const {
    // A single point has no half-length to measure against: it keeps its value.
    if (half_ == 0) {
        return 1.0;
    }
    const double r = static_cast<double>(i - half_) / static_cast<double>(half_);
    return BesselI0(alpha_ * kPi * std::sqrt(1.0 - r * r)) / kaiserNormaliser_;
}

}  // namespace tapwright
