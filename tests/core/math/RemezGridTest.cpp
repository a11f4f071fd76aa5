#include "math/RemezGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tapwright {
namespace {

constexpr ResponseType kFilter = ResponseType::Filter;
constexpr ResponseType kDifferentiator = ResponseType::Differentiator;
constexpr ResponseType kHilbert = ResponseType::Hilbert;

struct SampledGrid {
    RemezShape shape;
    RemezGrid grid;
};

SampledGrid Sample(ResponseType type, int numTaps, const std::vector<double>& edges,
                   const std::vector<double>& desired, const std::vector<double>& weights) {
    SampledGrid sampled{RemezShape(type, numTaps, 16), RemezGrid()};
    const RemezBands bands{type, static_cast<int>(desired.size()), edges, desired, weights};
    EXPECT_TRUE(sampled.grid.Build(bands, sampled.shape));
    return sampled;
}

double LastFrequency(const RemezGrid& grid) {
    return grid.Frequency(grid.Size() - 1);
}

TEST(RemezGridTest, BandsRunFromLowerEdgeInGridStepsAndEndOnTheUpperEdge) {
    const SampledGrid s = Sample(kFilter, 21, {0.0, 0.1, 0.15, 0.5}, {1.0, 0.0}, {2.0, 3.0});
    const RemezGrid& grid = s.grid;
    const double spacing = 0.5 / (16.0 * 11);
    ASSERT_DOUBLE_EQ(s.shape.spacing, spacing);

    // Each band holds floor(width / spacing) + 1 points; the upper edge replaces the last one.
    const int firstBandPoints = static_cast<int>(0.1 / spacing) + 1;
    const int secondBandPoints = static_cast<int>(0.35 / spacing) + 1;
    ASSERT_EQ(grid.Size(), firstBandPoints + secondBandPoints);
    EXPECT_EQ(grid.Frequency(0), 0.0);
    EXPECT_EQ(grid.Frequency(firstBandPoints - 1), 0.1);
    EXPECT_EQ(grid.Frequency(firstBandPoints), 0.15);
    EXPECT_EQ(LastFrequency(grid), 0.5);
    for (int k = 1; k < grid.Size(); ++k) {
        const double step = grid.Frequency(k) - grid.Frequency(k - 1);
        if (k == firstBandPoints) {
            EXPECT_DOUBLE_EQ(step, 0.05);
        } else if (k == firstBandPoints - 1 || k == grid.Size() - 1) {
            // The edge replaced the last regular point, which lay less than a step below it.
            EXPECT_GE(step, spacing * (1.0 - 1e-9)) << k;
            EXPECT_LT(step, 2.0 * spacing) << k;
        } else {
            EXPECT_NEAR(step, spacing, 1e-12) << k;
        }
        const bool inFirstBand = k < firstBandPoints;
        EXPECT_EQ(grid.Desired(k), inFirstBand ? 1.0 : 0.0) << k;
        EXPECT_EQ(grid.Weight(k), inFirstBand ? 2.0 : 3.0) << k;
    }
}

struct NyquistCase {
    ResponseType type;
    int numTaps;
    bool keepsNyquist;
};

class RemezGridNyquistTest : public ::testing::TestWithParam<NyquistCase> {};

// A response forced to zero at 0.5 (even length with even symmetry, odd length with odd
// symmetry) cannot approximate anything there, so the point is left out of the grid.
TEST_P(RemezGridNyquistTest, KeepsHalfTheSampleRateOnlyWhereTheResponseIsFree) {
    const NyquistCase& c = GetParam();
    const SampledGrid s = Sample(c.type, c.numTaps, {0.1, 0.5}, {1.0}, {1.0});
    if (c.keepsNyquist) {
        EXPECT_EQ(LastFrequency(s.grid), 0.5);
    } else {
        EXPECT_LE(LastFrequency(s.grid), 0.5 - s.shape.spacing);
    }
}

INSTANTIATE_TEST_SUITE_P(TypesAndParities, RemezGridNyquistTest,
                         ::testing::Values(NyquistCase{kFilter, 20, false},
                                           NyquistCase{kFilter, 21, true},
                                           NyquistCase{kHilbert, 20, true},
                                           NyquistCase{kHilbert, 21, false},
                                           NyquistCase{kDifferentiator, 21, false}));

TEST(RemezGridTest, OddSymmetricGridsStartOneStepAboveZero) {
    for (const ResponseType type : {kDifferentiator, kHilbert}) {
        const SampledGrid fromZero = Sample(type, 21, {0.0, 0.4}, {1.0}, {1.0});
        EXPECT_EQ(fromZero.grid.Frequency(0), fromZero.shape.spacing) << static_cast<int>(type);
        const SampledGrid fromEdge = Sample(type, 21, {0.1, 0.4}, {1.0}, {1.0});
        EXPECT_EQ(fromEdge.grid.Frequency(0), 0.1) << static_cast<int>(type);
    }
    const SampledGrid filter = Sample(kFilter, 21, {0.0, 0.4}, {1.0}, {1.0});
    EXPECT_EQ(filter.grid.Frequency(0), 0.0);
}

// The desired response of a differentiator is slope * f and its error is weighted relative to
// that, except in bands whose slope is too small to count (stopbands).
TEST(RemezGridTest, DifferentiatorWeightsRelativeToTheSlopeUnlessTheSlopeIsTiny) {
    const SampledGrid s = Sample(kDifferentiator, 20, {0.0, 0.1, 0.2, 0.3, 0.4, 0.5},
                                 {2.0, 0.0001, 0.00005}, {4.0, 5.0, 6.0});
    const RemezGrid& grid = s.grid;
    for (int k = 0; k < grid.Size(); ++k) {
        const double f = grid.Frequency(k);
        if (f <= 0.1) {
            EXPECT_DOUBLE_EQ(grid.Desired(k), 2.0 * f);
            EXPECT_DOUBLE_EQ(grid.Weight(k), 4.0 / f);
        } else if (f <= 0.3) {
            EXPECT_DOUBLE_EQ(grid.Desired(k), 0.0001 * f);
            EXPECT_DOUBLE_EQ(grid.Weight(k), 5.0 / f);
        } else {
            EXPECT_DOUBLE_EQ(grid.Desired(k), 0.00005 * f);
            EXPECT_EQ(grid.Weight(k), 6.0);
        }
    }
}

// Bands far outside 0..0.5 whose steps no longer move the frequency must not run past the
// storage; the grid is refused instead.
TEST(RemezGridTest, RefusesBandsWhoseStepsDoNotAdvance) {
    const std::vector<double> edges{1e17, 1e17 + 1e4};
    const std::vector<double> values{1.0};
    const RemezShape shape(kFilter, 21, 16);
    RemezGrid grid;
    EXPECT_FALSE(grid.Build(RemezBands{kFilter, 1, edges, values, values}, shape));
}

}  // namespace
}  // namespace tapwright
