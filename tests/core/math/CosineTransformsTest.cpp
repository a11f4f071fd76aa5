#include "math/CosineTransforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "math/CosineTaps.h"

namespace tapwright {
namespace {

constexpr double kPi = 3.141592653589793;

double CosineSum(const std::vector<double>& a, double f) {
    double sum = 0.0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        sum += a[k] * std::cos(2.0 * kPi * static_cast<double>(k) * f);
    }
    return sum;
}

// The amplitude response of linear-phase taps, written out term by term.
double Amplitude(const std::vector<double>& taps, bool oddSymmetry, double f) {
    const double centre = (static_cast<double>(taps.size()) - 1.0) / 2.0;
    double sum = 0.0;
    for (std::size_t n = 0; n < taps.size(); ++n) {
        const double angle = 2.0 * kPi * f * (centre - static_cast<double>(n));
        sum += taps[n] * (oddSymmetry ? std::sin(angle) : std::cos(angle));
    }
    return sum;
}

double Q(bool oddSymmetry, bool oddLength, double f) {
    if (!oddSymmetry) {
        return oddLength ? 1.0 : std::cos(kPi * f);
    }
    return oddLength ? std::sin(2.0 * kPi * f) : std::sin(kPi * f);
}

TEST(CosineTransformsTest, FastSizesHaveOnlyFactorsTwoThreeAndFive) {
    EXPECT_EQ(FastTransformSize(1), 1);
    EXPECT_EQ(FastTransformSize(7), 8);
    EXPECT_EQ(FastTransformSize(121), 125);
    EXPECT_EQ(FastTransformSize(160001), 162000);
    EXPECT_EQ(FastTransformSize(160000), 160000);
}

TEST(CosineTransformsTest, ChebyshevCoefficientsOfSamplesGiveTheSumBack) {
    const std::vector<double> a{0.3, -1.0, 0.25, 0.0, 2.0, -0.125, 0.5};
    const std::vector<double> points = ChebyshevPoints(static_cast<int>(a.size()));
    std::vector<double> samples;
    for (const double x : points) {
        samples.push_back(CosineSum(a, std::acos(x) / (2.0 * kPi)));
    }
    const std::vector<double> back = ChebyshevCoefficients(samples);
    ASSERT_EQ(back.size(), a.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        EXPECT_NEAR(back[k], a[k], 1e-14) << k;
    }
}

TEST(CosineTransformsTest, CosineSumOnGridMatchesTheSumAtEveryPoint) {
    const std::vector<double> a{1.0, 0.5, -0.25, 0.125, 0.75};
    const int intervals = 24;
    const std::vector<double> grid = CosineSumOnGrid(a, intervals);
    ASSERT_EQ(grid.size(), 25u);
    for (int m = 0; m <= intervals; ++m) {
        EXPECT_NEAR(grid[static_cast<std::size_t>(m)], CosineSum(a, m / (2.0 * intervals)), 1e-13)
            << m;
    }
}

// Every symmetry and parity: taps made from cosine coefficients have the amplitude Q(f) P(f),
// and the transform of those taps gives the same amplitude on the grid.
struct TapCase {
    bool oddSymmetry;
    int numTaps;
};

class CosineTapsTest : public testing::TestWithParam<TapCase> {};

TEST_P(CosineTapsTest, TapsHaveTheAmplitudeOfQTimesTheCosineSum) {
    const TapCase c = GetParam();
    const bool oddLength = c.numTaps % 2 == 1;
    const int r = c.numTaps / 2 + (oddLength && !c.oddSymmetry ? 1 : 0);
    std::vector<double> a;
    for (int k = 0; k < r; ++k) {
        a.push_back(std::cos(1.7 * k + 0.3) / (1.0 + k));
    }
    const std::vector<double> taps = TapsFromCosines(a, c.oddSymmetry, c.numTaps);
    ASSERT_EQ(taps.size(), static_cast<std::size_t>(c.numTaps));
    for (int n = 0; n < c.numTaps; ++n) {
        const double mirrored = taps[static_cast<std::size_t>(c.numTaps - 1 - n)];
        EXPECT_EQ(taps[static_cast<std::size_t>(n)], c.oddSymmetry ? -mirrored : mirrored);
    }
    for (const double f : {0.0, 0.07, 0.21, 0.33, 0.5}) {
        EXPECT_NEAR(Amplitude(taps, c.oddSymmetry, f),
                    Q(c.oddSymmetry, oddLength, f) * CosineSum(a, f), 1e-12)
            << f;
    }
    const int intervals = 4 * c.numTaps;
    const std::vector<double> grid = AmplitudeOnGrid(taps, c.oddSymmetry, intervals);
    for (int m = 0; m <= intervals; m += 3) {
        const double f = m / (2.0 * intervals);
        EXPECT_NEAR(grid[static_cast<std::size_t>(m)], Amplitude(taps, c.oddSymmetry, f), 1e-12)
            << f;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryShape, CosineTapsTest,
                         testing::Values(TapCase{false, 31}, TapCase{false, 30}, TapCase{true, 31},
                                         TapCase{true, 30}, TapCase{false, 5}, TapCase{true, 3},
                                         TapCase{true, 5}, TapCase{false, 4}),
                         [](const testing::TestParamInfo<TapCase>& info) {
                             return std::string(info.param.oddSymmetry ? "Odd" : "Even") +
                                    "Symmetry" + std::to_string(info.param.numTaps) + "Taps";
                         });

}  // namespace
}  // namespace tapwright
