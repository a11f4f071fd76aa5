#include "math/TransformPlans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tapwright {
namespace {

constexpr double kPi = 3.141592653589793;

// Bin m of the real-to-complex transform of x zero-padded to n, written out.
std::vector<double> DirectRealToComplex(const std::vector<double>& x, int n) {
    std::vector<double> out;
    for (int m = 0; m <= n / 2; ++m) {
        double re = 0.0;
        double im = 0.0;
        for (std::size_t j = 0; j < x.size(); ++j) {
            const double angle = -2.0 * kPi * m * static_cast<double>(j) / n;
            re += x[j] * std::cos(angle);
            im += x[j] * std::sin(angle);
        }
        out.push_back(re);
        out.push_back(im);
    }
    return out;
}

void ExpectTransformOf(const std::vector<double>& x, int n) {
    std::vector<double> out(static_cast<std::size_t>(n + 2), -1.0);
    RunTransform(TransformKind::RealToComplex, n, x, out);
    const std::vector<double> expected = DirectRealToComplex(x, n);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(out[i], expected[i], 1e-12) << "n = " << n << ", value " << i;
    }
}

// A kept plan runs on its own buffers: what an earlier, longer input left there must not
// leak into the padding of a later, shorter one, and sizes pushed out of the kept set and
// planned again must still give the right transform.
TEST(TransformPlansTest, KeptPlansPadWithZerosAndSurviveBeingPushedOut) {
    const std::vector<double> longInput{1.0, -2.0, 0.5, 3.0, -1.5, 0.25, 2.0, -0.75};
    const std::vector<double> shortInput{0.5, 1.0, -1.0};
    ExpectTransformOf(longInput, 16);
    ExpectTransformOf(shortInput, 16);
    for (int n = 18; n <= 40; n += 2) {
        ExpectTransformOf(shortInput, n);
    }
    ExpectTransformOf(longInput, 16);
    ExpectTransformOf(shortInput, 16);
}

TEST(TransformPlansTest, CosineKindsAreKeptApartFromEachOther) {
    const std::vector<double> x{1.0, 2.0, -1.0, 0.5, 3.0};
    std::vector<double> redft00(5);
    std::vector<double> redft10(5);
    RunTransform(TransformKind::CosineRedft00, 5, x, redft00);
    RunTransform(TransformKind::CosineRedft10, 5, x, redft10);
    for (int k = 0; k < 5; ++k) {
        double e00 = x[0] + (k % 2 == 0 ? 1.0 : -1.0) * x[4];
        double e10 = 0.0;
        for (int j = 0; j < 5; ++j) {
            if (j > 0 && j < 4) {
                e00 += 2.0 * x[static_cast<std::size_t>(j)] * std::cos(kPi * j * k / 4.0);
            }
            e10 += 2.0 * x[static_cast<std::size_t>(j)] * std::cos(kPi * (j + 0.5) * k / 5.0);
        }
        EXPECT_NEAR(redft00[static_cast<std::size_t>(k)], e00, 1e-12) << k;
        EXPECT_NEAR(redft10[static_cast<std::size_t>(k)], e10, 1e-12) << k;
    }
}

}  // namespace
}  // namespace tapwright
