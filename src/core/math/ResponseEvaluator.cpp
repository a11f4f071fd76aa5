#include "math/ResponseEvaluator.h"

#include "math/ReferenceResponse.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tapwright {

std::complex<double> UnitCirclePoint(double nu) {
    // Both subtractions are exact: the whole turns leave r in [-0.5, 0.5], the nearest
    // quarter turn leaves s in [-1/8, 1/8].
    const double r = nu - std::nearbyint(nu);
    const double quarters = std::nearbyint(4.0 * r);
    const double s = r - 0.25 * quarters;
    const double c = std::cos(kTwoPi * s);
    const double sn = std::sin(kTwoPi * s);
    // e^(-j 2 pi s), turned by a further quarter turn clockwise per quarter.
    switch (static_cast<int>(quarters)) {
        case 1:
            return {-sn, -c};
        case -1:
            return {sn, c};
        case 2:
        case -2:
            return {-c, sn};
        default:
            return {c, -sn};
    }
}

ResponseEvaluator::ResponseEvaluator(ChannelSelection select) : select_(select) {}

ResponseEvaluator::ResponseEvaluator(std::span<const double> inphase,
                                     std::span<const double> quadrature, ChannelSelection select)
    : ResponseEvaluator(select) {
    AppendTaps(inphase, quadrature);
}

void ResponseEvaluator::AppendTaps(std::span<const double> inphase,
                                   std::span<const double> quadrature) {
    const bool isComplex = select_ == ChannelSelection::ComplexFilter;
    real_.reserve(real_.size() + inphase.size());
    if (isComplex) {
        imag_.reserve(imag_.size() + inphase.size());
    }
    for (std::size_t n = 0; n < inphase.size(); ++n) {
        const SelectedTap tap = SelectTap(inphase, quadrature, select_, n);
        real_.push_back(tap.real);
        if (isComplex) {
            imag_.push_back(tap.imag);
        }
    }
}

// Horner's rule for Lanes frequencies at once: h = h z + tap from the last tap down to the
// first. The lanes are independent, so their arithmetic runs side by side.
template <std::size_t Lanes>
void ResponseEvaluator::EvaluateLanes(const double* zReal, const double* zImag,
                                      double* hReal, double* hImag) const {
    std::array<double, Lanes> re{};
    std::array<double, Lanes> im{};
    const std::size_t count = real_.size();
    if (imag_.empty()) {
        for (std::size_t n = count; n-- > 0;) {
            const double a = real_[n];
            for (std::size_t k = 0; k < Lanes; ++k) {
                const double nextRe = re[k] * zReal[k] - im[k] * zImag[k] + a;
                im[k] = re[k] * zImag[k] + im[k] * zReal[k];
                re[k] = nextRe;
            }
        }
    } else {
        for (std::size_t n = count; n-- > 0;) {
            const double a = real_[n];
            const double b = imag_[n];
            for (std::size_t k = 0; k < Lanes; ++k) {
                const double nextRe = re[k] * zReal[k] - im[k] * zImag[k] + a;
                im[k] = re[k] * zImag[k] + im[k] * zReal[k] + b;
                re[k] = nextRe;
            }
        }
    }
    std::copy(re.begin(), re.end(), hReal);
    std::copy(im.begin(), im.end(), hImag);
}

std::complex<double> ResponseEvaluator::Evaluate(double nu) const {
    const std::complex<double> z = UnitCirclePoint(nu);
    const double zReal = z.real();
    const double zImag = z.imag();
    double hReal = 0.0;
    double hImag = 0.0;
    EvaluateLanes<1>(&zReal, &zImag, &hReal, &hImag);
    return {hReal, hImag};
}

double ResponseEvaluator::Evaluate(double nu, ResponseQuantity quantity) const {
    return QuantityOf(Evaluate(nu), quantity);
}

void ResponseEvaluator::Evaluate(std::span<const double> nu, ResponseQuantity quantity,
                                 std::span<double> out) const {
    const std::size_t count = std::min(nu.size(), out.size());
    for (std::size_t first = 0; first < count; first += kLanes) {
        const std::size_t used = std::min(kLanes, count - first);
        // Unused lanes evaluate at z = 1 and are discarded.
        std::array<double, kLanes> zReal;
        std::array<double, kLanes> zImag;
        zReal.fill(1.0);
        zImag.fill(0.0);
        for (std::size_t k = 0; k < used; ++k) {
            const std::complex<double> z = UnitCirclePoint(nu[first + k]);
            zReal[k] = z.real();
            zImag[k] = z.imag();
        }
        std::array<double, kLanes> hReal;
        std::array<double, kLanes> hImag;
        EvaluateLanes<kLanes>(zReal.data(), zImag.data(), hReal.data(), hImag.data());
        for (std::size_t k = 0; k < used; ++k) {
            out[first + k] = QuantityOf({hReal[k], hImag[k]}, quantity);
        }
    }
}

}  // namespace tapwright
