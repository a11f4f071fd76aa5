#include "data/Windowing.h"

#include <algorithm>
#include <cmath>

#include "data/Constants.h"
#include "data/LumenData.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr double kBesselTolerance = 1e-20;

bool HasConverged(double previous, double next) {
    return std::fabs((next - previous) / next) < kBesselTolerance;
}

// Calls visit(i, index) for each point i of a range of n points starting at index first
// whose sample exists among count samples. In a two-sided spectrum (spectrumPoints N > 0)
// the negative indexes are the negative frequencies, stored at index + N; in time data they
// hold no sample.
template <class Visit>
void ForRangeSamples(std::int64_t first, std::int64_t n, std::int64_t count,
                     std::int64_t spectrumPoints, Visit visit) {
    // Range indexes lowIndex <= first + i < highIndex, read at first + i + shift.
    const auto walk = [&](std::int64_t lowIndex, std::int64_t highIndex, std::int64_t shift) {
        const std::int64_t begin = std::max<std::int64_t>(0, lowIndex - first);
        const std::int64_t end = std::min<std::int64_t>(n, highIndex - first);
        for (std::int64_t i = begin; i < end; ++i) {
            const std::int64_t index = first + i + shift;
            if (index >= 0 && index < count) {
                visit(i, static_cast<std::int32_t>(index));
            }
        }
    };
    walk(-spectrumPoints, 0, spectrumPoints);
    walk(0, count, 0);
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

bool CLumenData::Window(WindowType type, double alpha, bool inphase, bool quadrature) {
    if (type == WindowType::KaiserBessel && !IsUsableKaiserAlpha(alpha)) {
        Ui().ShowMessage(kKaiserAlphaMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    const std::int64_t n =
        GetNumPoints() > 0 ? static_cast<std::int64_t>(rangeLast_) - rangeFirst_ + 1 : 0;
    const DataWindow window(type, alpha, n);
    CDataColumn& inphaseChannel = Inphase();
    CDataColumn& quadratureChannel = Quadrature();
    const bool windowQuadrature = quadrature && !isReal_;
    const std::int64_t count =
        std::max(inphaseChannel.GetNumPoints(), quadratureChannel.GetNumPoints());

    // The stored range need not match the channels (it comes from files too), so only
    // indexes that hold a sample are touched.
    ForRangeSamples(rangeFirst_, n, count, isTimeData_ ? 0 : numPoints_,
                    [&](std::int64_t i, std::int32_t index) {
                        const double w = window.At(i);
                        if (inphase && index < inphaseChannel.GetNumPoints()) {
                            inphaseChannel.SetAt(index, inphaseChannel.GetAt(index) * w);
                        }
                        if (windowQuadrature && index < quadratureChannel.GetNumPoints()) {
                            quadratureChannel.SetAt(index, quadratureChannel.GetAt(index) * w);
                        }
                    });
    windowType_ = static_cast<std::int32_t>(type);
    return true;
}

}  // namespace tapwright
