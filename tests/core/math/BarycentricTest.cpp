#include "math/Barycentric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tapwright {
namespace {

constexpr double kPi = 3.141592653589793;

TEST(BarycentricTest, ChebyshevExtremaHaveAlternatingWeightsHalvedAtTheEnds) {
    // For x_k = cos(pi k / n) the weights are (-1)^k, halved at both ends.
    const int n = 40;
    std::vector<double> nodes;
    for (int k = 0; k <= n; ++k) {
        nodes.push_back(std::cos(kPi * k / n));
    }
    const std::vector<double> w = BarycentricWeights(nodes);
    for (int k = 0; k <= n; ++k) {
        const double expected = (k % 2 == 0 ? 1.0 : -1.0) * (k == 0 || k == n ? 0.5 : 1.0);
        EXPECT_NEAR(w[static_cast<std::size_t>(k)] / std::fabs(w[1]), expected, 1e-12) << k;
    }
}

TEST(BarycentricTest, ThousandsOfClusteredNodesNeitherOverflowNorUnderflow) {
    // 3000 nodes packed into a tenth of the interval: a plain product of the differences
    // underflows to zero long before the end.
    const int n = 3000;
    std::vector<double> nodes;
    for (int k = 0; k < n; ++k) {
        nodes.push_back(0.9 + 0.1 * std::cos(kPi * (k + 0.5) / n));
    }
    const std::vector<double> w = BarycentricWeights(nodes);
    for (std::size_t k = 0; k < w.size(); ++k) {
        ASSERT_TRUE(std::isfinite(w[k]));
        ASSERT_NE(w[k], 0.0) << k;
        EXPECT_LE(std::fabs(w[k]), 1.0);
    }
    // Chebyshev points of any interval share the weights of the standard ones up to a factor:
    // sin(pi (k + 1/2) / n) with alternating sign.
    const double scale = std::fabs(w[0]) / std::sin(kPi * 0.5 / n);
    for (int k = 0; k < n; k += 97) {
        const double expected = scale * std::sin(kPi * (k + 0.5) / n);
        EXPECT_NEAR(std::fabs(w[static_cast<std::size_t>(k)]), expected, 1e-9 * expected);
    }
}

TEST(BarycentricTest, InterpolationReproducesAPolynomialAndHitsTheNodes) {
    std::vector<double> nodes{0.95, 0.6, 0.1, -0.3, -0.7, -0.99};
    const auto p = [](double x) { return 1.0 - 2.0 * x + 0.5 * x * x * x - x * x * x * x * x; };
    std::vector<double> values;
    for (const double x : nodes) {
        values.push_back(p(x));
    }
    const std::vector<double> w = BarycentricWeights(nodes);
    for (const double x : {-1.0, -0.5, 0.0, 0.33, 0.999}) {
        EXPECT_NEAR(BarycentricInterpolate(nodes, w, values, x), p(x), 1e-12) << x;
    }
    EXPECT_EQ(BarycentricInterpolate(nodes, w, values, 0.1), values[2]);
}

}  // namespace
}  // namespace tapwright
