#include "math/CosineTaps.h"

namespace tapwright {

std::vector<double> TapsFromCosines(std::span<const double> coefficients, bool oddSymmetry,
                                    int numTaps) {
    const int r = static_cast<int>(coefficients.size());
    // alpha(j) = a_{j-1}, j = 1..r, and 0 outside: the relations below are written in it.
    const auto alpha = [&coefficients, r](int j) {
        return j >= 1 && j <= r ? coefficients[static_cast<std::size_t>(j - 1)] : 0.0;
    };
    std::vector<double> h(static_cast<std::size_t>(numTaps), 0.0);
    const auto tap = [&h](int j) -> double& { return h[static_cast<std::size_t>(j - 1)]; };
    const bool oddLength = numTaps % 2 == 1;
    const int z = r + 1;
    if (!oddSymmetry && oddLength) {
        for (int j = 1; j <= r - 1; ++j) {
            tap(j) = 0.5 * alpha(z - j);
        }
        tap(r) = alpha(1);
    } else if (!oddSymmetry) {
        tap(1) = 0.25 * alpha(r);
        for (int j = 2; j <= r - 1; ++j) {
            tap(j) = 0.25 * (alpha(z - j) + alpha(r + 2 - j));
        }
        tap(r) = 0.5 * alpha(1) + 0.25 * alpha(2);
    } else if (oddLength) {
        tap(1) = 0.25 * alpha(r);
        if (r >= 2) {
            tap(2) = 0.25 * alpha(r - 1);
        }
        for (int j = 3; j <= r - 1; ++j) {
            tap(j) = 0.25 * (alpha(z - j) - alpha(r + 3 - j));
        }
        tap(r) = 0.5 * alpha(1) - 0.25 * alpha(3);
    } else {
        tap(1) = 0.25 * alpha(r);
        for (int j = 2; j <= r - 1; ++j) {
            tap(j) = 0.25 * (alpha(z - j) - alpha(r + 2 - j));
        }
        tap(r) = 0.5 * alpha(1) - 0.25 * alpha(2);
    }
    const double mirror = oddSymmetry ? -1.0 : 1.0;
    for (int j = 1; j <= (numTaps + 1) / 2; ++j) {
        tap(numTaps + 1 - j) = mirror * tap(j);
    }
    if (oddSymmetry && oddLength) {
        tap(r + 1) = 0.0;
    }
    return h;
}

}  // namespace tapwright
