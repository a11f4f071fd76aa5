#include "plot/Axis.h"

#include <gtest/gtest.h>

namespace tapwright {
namespace {

struct AutoscaleCase {
    double dataMin;
    double dataMax;
    bool log;
    double minimum;
    double maximum;
    double labelSpacing;
    double ticSpacing;
};

class AxisAutoscaleTest : public testing::TestWithParam<AutoscaleCase> {};

TEST_P(AxisAutoscaleTest, ChoosesRoundRangeAndSpacing) {
    const AutoscaleCase& c = GetParam();
    CAxis axis;
    axis.Autoscale(c.dataMin, c.dataMax, c.log);
    EXPECT_DOUBLE_EQ(axis.minimum, c.minimum);
    EXPECT_DOUBLE_EQ(axis.maximum, c.maximum);
    EXPECT_DOUBLE_EQ(axis.labelSpacing, c.labelSpacing);
    EXPECT_DOUBLE_EQ(axis.ticSpacing, c.ticSpacing);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AxisAutoscaleTest,
    testing::Values(AutoscaleCase{0.0, 0.0, false, -0.5, 0.5, 0.1, 0.1},
                    AutoscaleCase{0.0, 0.95, false, 0.0, 1.0, 0.1, 0.1},
                    AutoscaleCase{-1.0, 1.0, false, -1.0, 1.0, 0.2, 0.2},
                    AutoscaleCase{0.0, 6.0, false, 0.0, 6.0, 1.0, 1.0},
                    AutoscaleCase{0.0, 97.0, false, 0.0, 100.0, 10.0, 10.0},
                    // Constant data reaches down to zero.
                    AutoscaleCase{3.0, 3.0, false, 0.0, 3.2, 0.4, 0.4},
                    // A negative start snaps to the step below it.
                    AutoscaleCase{-0.73, 2.1, false, -0.8, 2.4, 0.4, 0.4},
                    AutoscaleCase{0.02, 35.0, true, 0.01, 100.0, 1.0, 0.1},
                    AutoscaleCase{0.0, 0.5, true, 0.001, 1.0, 1.0, 0.1},
                    // At least one decade, and a maximum a hair above a power stays there.
                    AutoscaleCase{20.0, 100.05, true, 10.0, 100.0, 1.0, 0.1},
                    AutoscaleCase{-5.0, -1.0, true, 0.001, 1.0, 1.0, 0.1}));

TEST(AxisTest, NineIntervalsAreTriedWhenTenRoundStepsMissTheData) {
    // Ten steps of 1 from 0 end at 10, short of 10.5; nine steps of 2 cover it and the empty
    // steps at the top are dropped.
    CAxis axis;
    axis.Autoscale(0.5, 10.5, false);
    EXPECT_DOUBLE_EQ(axis.minimum, 0.0);
    EXPECT_DOUBLE_EQ(axis.maximum, 12.0);
    EXPECT_DOUBLE_EQ(axis.labelSpacing, 2.0);
}

TEST(AxisTest, SetDataRangeOfOneValueReachesZero) {
    CAxis positive;
    positive.SetDataRange(5.0, 5.0);
    EXPECT_DOUBLE_EQ(positive.dataMinimum, 0.0);
    EXPECT_DOUBLE_EQ(positive.dataMaximum, 10.0);
    EXPECT_DOUBLE_EQ(positive.minimum, 0.0);
    EXPECT_DOUBLE_EQ(positive.maximum, 10.0);
    EXPECT_DOUBLE_EQ(positive.labelSpacing, 1.0);

    CAxis negative;
    negative.SetDataRange(-2.0, -2.0);
    EXPECT_DOUBLE_EQ(negative.dataMinimum, -4.0);
    EXPECT_DOUBLE_EQ(negative.dataMaximum, 0.0);
}

TEST(AxisTest, ManualAxisKeepsItsRangeWhileTheDataOverlaps) {
    CAxis axis;
    axis.SetDataRange(1.0, 9.0);
    axis.automatic = false;
    axis.minimum = 0.0;
    axis.maximum = 10.0;

    axis.SetDataRange(2.0, 12.0);
    EXPECT_DOUBLE_EQ(axis.minimum, 0.0);
    EXPECT_DOUBLE_EQ(axis.maximum, 10.0);
    EXPECT_DOUBLE_EQ(axis.dataMaximum, 9.0);

    axis.SetDataRange(20.0, 30.0);
    EXPECT_DOUBLE_EQ(axis.dataMinimum, 20.0);
    EXPECT_DOUBLE_EQ(axis.minimum, 20.0);
    EXPECT_DOUBLE_EQ(axis.maximum, 30.0);
    EXPECT_FALSE(axis.automatic);
}

TEST(AxisTest, PowerOfTenFollowsTheScaleUnlessItIsManual) {
    CAxis linear;
    linear.SetDataRange(0.0, 9700.0);
    EXPECT_DOUBLE_EQ(linear.labelSpacing, 1000.0);
    EXPECT_EQ(linear.powerOfTen, 3);

    CAxis log;
    log.log = true;
    log.SetDataRange(2e-5, 0.3);
    EXPECT_DOUBLE_EQ(log.minimum, 1e-5);
    EXPECT_EQ(log.powerOfTen, -6);

    CAxis manual;
    manual.manualPower = true;
    manual.powerOfTen = -1;
    manual.SetDataRange(0.0, 9700.0);
    EXPECT_EQ(manual.powerOfTen, -1);
}

}  // namespace
}  // namespace tapwright
