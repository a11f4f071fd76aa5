#include "math/TransformPlans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

namespace tapwright {
namespace {

constexpr double kPi = 3.141592653589793;

// The transform of the complex values x (interleaved), zero-padded to n, written out.
std::vector<double> DirectTransform(const std::vector<double>& x, int n, double sign) {
    std::vector<double> out;
    for (int m = 0; m < n; ++m) {
        std::complex<double> sum;
        for (std::size_t j = 0; j < x.size() / 2; ++j) {
            const double angle = sign * 2.0 * kPi * m * static_cast<double>(j) / n;
            sum += std::complex<double>(x[2 * j], x[2 * j + 1]) * std::polar(1.0, angle);
        }
        out.push_back(sum.real());
        out.push_back(sum.imag());
    }
    return out;
}

void ExpectTransformOf(const std::vector<double>& x, int n, TransformKind kind) {
    std::vector<double> out(2 * static_cast<std::size_t>(n), -1.0);
    RunTransform(kind, n, x, out);
    const std::vector<double> expected =
        DirectTransform(x, n, kind == TransformKind::ComplexForward ? -1.0 : 1.0);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(out[i], expected[i], 1e-12) << "n = " << n << ", value " << i;
    }
}

// A kept plan runs on its own buffers: what an earlier, longer input left there must not
// leak into the padding of a later, shorter one, and sizes pushed out of the kept set and
// planned again must still give the right transform.
TEST(TransformPlansTest, KeptPlansPadWithZerosAndSurviveBeingPushedOut) {
    const std::vector<double> longInput{1.0, -2.0, 0.5, 3.0, -1.5, 0.25, 2.0, -0.75};
    const std::vector<double> shortInput{0.5, 1.0, -1.0, 0.25};
    ExpectTransformOf(longInput, 16, TransformKind::ComplexForward);
    ExpectTransformOf(shortInput, 16, TransformKind::ComplexForward);
    for (int n = 9; n <= 60; ++n) {
        ExpectTransformOf(shortInput, n, TransformKind::ComplexForward);
    }
    ExpectTransformOf(longInput, 16, TransformKind::ComplexForward);
    ExpectTransformOf(shortInput, 16, TransformKind::ComplexForward);
}

TEST(TransformPlansTest, KindsOfTheSameSizeAreKeptApart) {
    const std::vector<double> x{1.0, 2.0, -1.0, 0.5, 3.0, -0.25};
    ExpectTransformOf(x, 5, TransformKind::ComplexForward);
    ExpectTransformOf(x, 5, TransformKind::ComplexBackward);
    std::vector<double> redft10(5);
    RunTransform(TransformKind::CosineRedft10, 5, x, redft10);
    for (int k = 0; k < 5; ++k) {
        double expected = 0.0;
        for (int j = 0; j < 5; ++j) {
            expected += 2.0 * x[static_cast<std::size_t>(j)] * std::cos(kPi * (j + 0.5) * k / 5.0);
        }
        EXPECT_NEAR(redft10[static_cast<std::size_t>(k)], expected, 1e-12) << k;
    }
}

}  // namespace
}  // namespace tapwright
