#include "math/RemezCoefficients.h"

#include <algorithm>
#include <cmath>

#include "math/Constants.h"

namespace tapwright {

namespace {

// Sampling angles this close to an extremal point take the extremal value directly: the
// barycentric formula cannot be evaluated on a node.
constexpr double kNodeTolerance = 0.000001;

// Outside the grid's range the polynomial grows fast, so sampling it on the whole interval
// would lose precision when the grid leaves out a real part of 0..0.5. The grid's range is
// then mapped onto the whole interval first; three cosines or fewer are sampled directly.
bool UsesIntervalMapping(const RemezGrid& grid, int numCosines) {
    const bool coversWholeRange =
        grid.Frequency(0) < 0.01 && grid.Frequency(grid.Size() - 1) > 0.49;
    return !coversWholeRange && numCosines > 3;
}

}  // namespace

RemezCoefficients::RemezCoefficients(int numCosines)
    : numCosines_(numCosines),
      sample_(static_cast<std::size_t>(numCosines)),
      alpha_(static_cast<std::size_t>(numCosines) + 2, 0.0),
      p_(static_cast<std::size_t>(numCosines)),
      q_(static_cast<std::size_t>(numCosines)),
      cosTable_(2 * static_cast<std::size_t>(numCosines) - 1) {}

void RemezCoefficients::Compute(const RemezGrid& grid, const RemezExchange& exchange) {
    const bool mapped = UsesIntervalMapping(grid, numCosines_);
    double aa = 0.0;
    double bb = 0.0;
    if (mapped) {
        // x -> (x - bb) / aa takes -1..1 onto the abscissae of the grid's end points.
        const double d1 = grid.Cosine(0);
        const double d2 = grid.Cosine(grid.Size() - 1);
        aa = 2.0 / (d1 - d2);
        bb = -(d1 + d2) / (d1 - d2);
    }
    SamplePolynomial(exchange, mapped, aa, bb);
    CosineTransform();
    if (mapped) {
        UndoIntervalMapping(aa, bb);
    }
    alpha_[static_cast<std::size_t>(numCosines_)] = 0.0;
    alpha_[static_cast<std::size_t>(numCosines_) + 1] = 0.0;
}

// Samples the polynomial at the angles 2 pi j / (2r - 1). The sampling angles run down the
// abscissae in the same direction as the extremal points, so one walk finds the nodes.
void RemezCoefficients::SamplePolynomial(const RemezExchange& exchange, bool mapped, double aa,
                                         double bb) {
    const double cn = 2.0 * numCosines_ - 1.0;
    const int nodes = exchange.NumNodes();
    int l = 0;
    for (int j = 0; j < numCosines_; ++j) {
        double ft = j / cn;
        double xt = std::cos(kTwoPi * ft);
        if (mapped) {
            xt = (xt - bb) / aa;
            // Rounding can put the mapped end point a hair outside -1..1.
            ft = std::atan2(std::sqrt(std::max(0.0, 1.0 - xt * xt)), xt) / kTwoPi;
        }
        while (l < nodes && xt <= exchange.Node(l) && exchange.Node(l) - xt >= kNodeTolerance) {
            ++l;
        }
        if (l < nodes && std::fabs(xt - exchange.Node(l)) < kNodeTolerance) {
            sample_[static_cast<std::size_t>(j)] = exchange.NodeValue(l);
        } else {
            sample_[static_cast<std::size_t>(j)] = exchange.Interpolate(std::cos(kTwoPi * ft));
        }
        if (l > 0) {
            --l;
        }
    }
}

// alpha(j) = (a(0) + 2 sum_k a(k) cos(2 pi k j / (2r - 1))) scaled by 2 / (2r - 1), or by
// 1 / (2r - 1) for j = 0. k j is reduced modulo 2r - 1, so a table of 2r - 1 cosines serves
// all r * r terms.
void RemezCoefficients::CosineTransform() {
    const int period = 2 * numCosines_ - 1;
    const double cn = period;
    for (int m = 0; m < period; ++m) {
        cosTable_[static_cast<std::size_t>(m)] = std::cos(kTwoPi * m / cn);
    }
    for (int j = 0; j < numCosines_; ++j) {
        double sum = 0.0;
        int angle = 0;
        for (int k = 1; k < numCosines_; ++k) {
            angle += j;
            if (angle >= period) {
                angle -= period;
            }
            sum +=
                sample_[static_cast<std::size_t>(k)] * cosTable_[static_cast<std::size_t>(angle)];
        }
        const double alpha = 2.0 * sum + sample_[0];
        alpha_[static_cast<std::size_t>(j)] = j == 0 ? alpha / cn : 2.0 * alpha / cn;
    }
}

// The coefficients expand the polynomial in Chebyshev polynomials of the mapped variable
// aa x + bb; this recursion re-expands it in the abscissa x = cos 2 pi f itself.
void RemezCoefficients::UndoIntervalMapping(double aa, double bb) {
    const int r = numCosines_;
    auto at = [](std::vector<double>& v, int i) -> double& {
        return v[static_cast<std::size_t>(i)];
    };
    at(p_, 0) = 2.0 * Alpha(r - 1) * bb + Alpha(r - 2);
    at(p_, 1) = 2.0 * aa * Alpha(r - 1);
    at(q_, 0) = Alpha(r - 3) - Alpha(r - 1);
    for (int j = 2; j < r; ++j) {
        if (j == r - 1) {
            aa *= 0.5;
            bb *= 0.5;
        }
        at(p_, j) = 0.0;
        for (int k = 0; k < j; ++k) {
            at(sample_, k) = at(p_, k);
            at(p_, k) = 2.0 * bb * at(sample_, k);
        }
        at(p_, 1) += 2.0 * aa * at(sample_, 0);
        for (int k = 0; k < j - 1; ++k) {
            at(p_, k) += at(q_, k) + aa * at(sample_, k + 1);
        }
        for (int k = 2; k <= j; ++k) {
            at(p_, k) += aa * at(sample_, k - 1);
        }
        if (j < r - 1) {
            for (int k = 0; k < j; ++k) {
                at(q_, k) = -at(sample_, k);
            }
            at(q_, 0) += Alpha(r - 2 - j);
        }
    }
    std::copy(p_.begin(), p_.begin() + r, alpha_.begin());
}

// The first half of the taps from the cosine coefficients, then the second half by the
// symmetry of the response type.
void RemezCoefficients::WriteImpulseResponse(const RemezShape& shape, int numTaps,
                                             std::span<double> h) const {
    const int r = numCosines_;
    auto tap = [&h](int i) -> double& { return h[static_cast<std::size_t>(i)]; };
    if (!shape.oddSymmetry && shape.oddLength) {
        for (int i = 0; i < r - 1; ++i) {
            tap(i) = 0.5 * Alpha(r - 1 - i);
        }
        tap(r - 1) = Alpha(0);
    } else if (!shape.oddSymmetry) {
        tap(0) = 0.25 * Alpha(r - 1);
        for (int i = 1; i < r - 1; ++i) {
            tap(i) = 0.25 * (Alpha(r - 1 - i) + Alpha(r - i));
        }
        tap(r - 1) = 0.5 * Alpha(0) + 0.25 * Alpha(1);
    } else if (shape.oddLength) {
        tap(0) = 0.25 * Alpha(r - 1);
        if (r > 1) {
            tap(1) = 0.25 * Alpha(r - 2);
        }
        for (int i = 2; i < r - 1; ++i) {
            tap(i) = 0.25 * (Alpha(r - 1 - i) - Alpha(r + 1 - i));
        }
        tap(r - 1) = 0.5 * Alpha(0) - 0.25 * Alpha(2);
        tap(r) = 0.0;
    } else {
        tap(0) = 0.25 * Alpha(r - 1);
        for (int i = 1; i < r - 1; ++i) {
            tap(i) = 0.25 * (Alpha(r - 1 - i) - Alpha(r - i));
        }
        tap(r - 1) = 0.5 * Alpha(0) - 0.25 * Alpha(1);
    }

    const double mirror = shape.oddSymmetry ? -1.0 : 1.0;
    for (int i = 0; i < (numTaps + 1) / 2; ++i) {
        tap(numTaps - 1 - i) = mirror * tap(i);
    }
    if (shape.oddSymmetry && shape.oddLength) {
        tap(r) = 0.0;
    }
}

}  // namespace tapwright
