#include "math/ReferenceResponse.h"

#include "math/Constants.h"

#include <cmath>

namespace tapwright {

SelectedTap SelectTap(std::span<const double> inphase, std::span<const double> quadrature,
                      ChannelSelection select, std::size_t n) {
    const double q = n < quadrature.size() ? quadrature[n] : 0.0;
    switch (select) {
        case ChannelSelection::Quadrature:
            return {q, 0.0};
        case ChannelSelection::ComplexFilter:
            return {inphase[n], q};
        case ChannelSelection::Inphase:
        case ChannelSelection::InphaseAndQuadrature:
            break;
    }
    return {inphase[n], 0.0};
}

std::complex<double> ReferenceResponse(std::span<const double> inphase,
                                       std::span<const double> quadrature, ChannelSelection select,
                                       double nu) {
    const double step = -kTwoPi * nu;
    double theta = 0.0;
    double x = 0.0;
    double y = 0.0;
    for (std::size_t n = 0; n < inphase.size(); ++n) {
        const SelectedTap tap = SelectTap(inphase, quadrature, select, n);
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        x += tap.real * c - tap.imag * s;
        y += tap.imag * c + tap.real * s;
        theta += step;
        if (theta > kTwoPi) {
            theta -= kTwoPi;
        } else if (theta < -kTwoPi) {
            theta += kTwoPi;
        }
    }
    return {x, y};
}

}  // namespace tapwright
