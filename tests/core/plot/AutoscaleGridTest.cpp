#include "plot/AutoscaleGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tapwright {
namespace {

TEST(AutoscaleGridTest, UnitRangeGives128StepsWithoutTheUpperEnd) {
    const std::vector<double> grid = AutoscaleGrid(0.0, 1.0);
    ASSERT_EQ(grid.size(), 128u);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        EXPECT_EQ(grid[i], static_cast<double>(i) * 0.0078125);
    }
    EXPECT_EQ(grid.back(), 0.9921875);
}

TEST(AutoscaleGridTest, RangeThatIsEmptyOrNotANumberGivesNoPoints) {
    EXPECT_TRUE(AutoscaleGrid(1.0, 1.0).empty());
    EXPECT_TRUE(AutoscaleGrid(2.0, 1.0).empty());
    EXPECT_TRUE(AutoscaleGrid(std::nan(""), 1.0).empty());
}

TEST(AutoscaleGridTest, RangeTooNarrowForTheStepEndsInsteadOfRepeating) {
    for (const double width : {1.0, 3.0, 40.0, 200.0}) {
        const double xMin = 1.0e6;
        const double xMax = xMin + width * std::numeric_limits<double>::epsilon() * xMin;
        const std::vector<double> grid = AutoscaleGrid(xMin, xMax);
        ASSERT_FALSE(grid.empty());
        EXPECT_LE(grid.size(), 200u) << width;
        for (std::size_t i = 1; i < grid.size(); ++i) {
            EXPECT_GT(grid[i], grid[i - 1]);
            EXPECT_LT(grid[i], xMax);
        }
    }
}

TEST(AutoscaleGridTest, ValueRangeSpansBothTracesAndNeedsAPoint) {
    const std::vector<double> first{-3.0, 4.0, 1.0};
    const std::vector<double> second{-7.5, 2.0};
    const std::optional<TraceRange> range = TraceValueRange(first, second);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->lo, -7.5);
    EXPECT_EQ(range->hi, 4.0);
    EXPECT_FALSE(TraceValueRange({}, {}));
}

}  // namespace
}  // namespace tapwright
