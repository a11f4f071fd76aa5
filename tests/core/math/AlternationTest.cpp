#include "math/Alternation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tapwright {
namespace {

std::vector<Extremum> Errors(const std::vector<double>& errors) {
    std::vector<Extremum> extrema;
    for (std::size_t i = 0; i < errors.size(); ++i) {
        extrema.push_back({0.01 * static_cast<double>(i), errors[i], 0});
    }
    return extrema;
}

std::vector<double> ErrorsOf(const std::vector<Extremum>& set) {
    std::vector<double> errors;
    for (const Extremum& e : set) {
        errors.push_back(e.error);
    }
    return errors;
}

TEST(AlternationTest, NeighboursOfOneSignKeepTheLarger) {
    const auto set = SelectAlternatingSet(Errors({1.0, 2.0, -1.0, -0.5, 3.0}), 3);
    EXPECT_EQ(ErrorsOf(set), (std::vector<double>{2.0, -1.0, 3.0}));
}

TEST(AlternationTest, OneTooManyDropsTheSmallerEnd) {
    // The smallest is inside; dropping it would join 2 and 3 and leave only three.
    const auto set = SelectAlternatingSet(Errors({1.5, -2.0, 0.1, -3.0, 1.0}), 4);
    EXPECT_EQ(ErrorsOf(set), (std::vector<double>{1.5, -2.0, 0.1, -3.0}));
}

TEST(AlternationTest, ManyTooManyDropTheSmallestAndKeepAlternating) {
    const auto set = SelectAlternatingSet(Errors({1.0, -1.0, 0.2, -1.0, 1.0, -0.1, 1.0, -1.0}), 4);
    ASSERT_EQ(set.size(), 4u);
    for (std::size_t i = 1; i < set.size(); ++i) {
        EXPECT_LT(set[i].error * set[i - 1].error, 0.0);
        EXPECT_GT(set[i].frequency, set[i - 1].frequency);
    }
    for (const Extremum& e : set) {
        EXPECT_EQ(std::fabs(e.error), 1.0);
    }
}

TEST(AlternationTest, TooFewAlternationsGiveASmallerSet) {
    EXPECT_EQ(SelectAlternatingSet(Errors({1.0, 2.0, -1.0}), 3).size(), 2u);
}

TEST(AlternationTest, SpreadIsZeroWhenLevelAndOneWithoutError) {
    EXPECT_EQ(RelativeSpread(Errors({0.5, -0.5, 0.5})), 0.0);
    EXPECT_DOUBLE_EQ(RelativeSpread(Errors({0.5, -1.0, 0.75})), 0.5);
    EXPECT_EQ(RelativeSpread(Errors({0.0, -0.0})), 1.0);
    EXPECT_EQ(RelativeSpread({}), 1.0);
}

}  // namespace
}  // namespace tapwright
