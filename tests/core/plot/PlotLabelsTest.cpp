#include "plot/PlotLabels.h"

#include <gtest/gtest.h>

namespace tapwright {
namespace {

struct LabelRequest {
    double minimum;
    double maximum;
    double spacing;
    int power;
    int digits;
    bool log;
};

std::vector<std::string> Texts(const std::vector<CPlotLabel>& labels) {
    std::vector<std::string> texts;
    for (const auto& label : labels) {
        texts.push_back(label.text);
    }
    return texts;
}

// The texts of labels that needed no correction.
std::vector<std::string> TextsOf(LabelRequest r) {
    const AxisLabels built = BuildLabels(r.minimum, r.maximum, r.spacing, r.power, r.digits, r.log);
    EXPECT_FALSE(built.warning);
    return Texts(built.labels);
}

using Strings = std::vector<std::string>;

TEST(PlotLabelsTest, LabelsKeepOnlyTheDecimalsTheyAllNeed) {
    EXPECT_EQ(TextsOf({0.0, 1.0, 0.25, 0, 2, false}),
              (Strings{"0.00", "0.25", "0.50", "0.75", "1.00"}));
    EXPECT_EQ(TextsOf({0.0, 1.0, 0.5, 0, 2, false}), (Strings{"0.0", "0.5", "1.0"}));
    EXPECT_EQ(TextsOf({0.5, 1.5, 0.5, 0, 2, false}), (Strings{"0.5", "1.0", "1.5"}));
    EXPECT_EQ(TextsOf({0.0, 2.0, 1.0, 0, 2, false}), (Strings{"0", "1", "2"}));
    EXPECT_EQ(TextsOf({-1.0, 1.0, 1.0, 0, 3, false}), (Strings{"-1", "0", "1"}));
}

TEST(PlotLabelsTest, WholeNumberLabelsKeepTheirZeros) {
    EXPECT_EQ(TextsOf({100.0, 300.0, 100.0, 0, 0, false}), (Strings{"100", "200", "300"}));
    EXPECT_EQ(TextsOf({10.0, 30.0, 10.0, 0, 1, false}), (Strings{"10", "20", "30"}));
}

TEST(PlotLabelsTest, RepeatedSpacingStillReachesTheLastLabel) {
    // 0.1 added three times is a hair above 0.3.
    EXPECT_EQ(TextsOf({0.0, 0.3, 0.1, 0, 2, false}), (Strings{"0.0", "0.1", "0.2", "0.3"}));
}

TEST(PlotLabelsTest, LabelNearZeroIsExactlyZero) {
    double spacing = 0.1;
    int power = 0;
    const auto labels = BuildLabels(-0.3, 0.3, spacing, power, 2, false).labels;
    ASSERT_EQ(labels.size(), 7U);
    EXPECT_EQ(labels[3].position, 0.0f);
    EXPECT_EQ(labels[3].text, "0.0");
    EXPECT_EQ(labels[0].text, "-0.3");
}

const PlotWarning kTooManyLabels{
    "Label increment results in too many labels.\nTen labels will be made.", MessageIcon::None};

TEST(PlotLabelsTest, TooManyLabelsBecomeTenWithAWarning) {
    double spacing = 0.001;
    int power = 0;
    const AxisLabels built = BuildLabels(0.0, 1.0, spacing, power, 2, false);
    EXPECT_DOUBLE_EQ(spacing, 0.1);
    EXPECT_EQ(Texts(built.labels), (Strings{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7",
                                            "0.8", "0.9", "1.0"}));
    EXPECT_EQ(built.warning, kTooManyLabels);
}

TEST(PlotLabelsTest, HundredIntervalsAreStillAllowed) {
    double spacing = 0.01;
    int power = 0;
    const AxisLabels built = BuildLabels(0.0, 1.0, spacing, power, 2, false);
    EXPECT_EQ(built.labels.size(), 101U);
    EXPECT_FALSE(built.warning);
    EXPECT_DOUBLE_EQ(spacing, 0.01);
}

TEST(PlotLabelsTest, PowerOfTenDividesLabelsExceptSmallNegativePowers) {
    double spacing = 500.0;
    int power = 3;
    const auto thousands = BuildLabels(0.0, 2000.0, spacing, power, 2, false).labels;
    EXPECT_EQ(Texts(thousands), (Strings{"0.0", "0.5", "1.0", "1.5", "2.0"}));
    EXPECT_FLOAT_EQ(thousands[4].position, 2000.0f);

    double small = 0.001;
    int negative = -3;
    EXPECT_EQ(Texts(BuildLabels(0.0, 0.002, small, negative, 3, false).labels),
              (Strings{"0.000", "0.001", "0.002"}));
    EXPECT_EQ(negative, 0);

    double tiny = 1e-6;
    int micro = -6;
    EXPECT_EQ(Texts(BuildLabels(0.0, 2e-6, tiny, micro, 1, false).labels),
              (Strings{"0", "1", "2"}));
    EXPECT_EQ(micro, -6);
}

// Dropping a power of -3 from labels 0.00025 apart would print 0.000, 0.000, 0.001: the
// power stays where three decimals cannot show the spacing.
TEST(PlotLabelsTest, SmallNegativePowerStaysWhenTheDecimalsCannotShowTheSpacing) {
    double spacing = 0.00025;
    int power = -3;
    EXPECT_EQ(Texts(BuildLabels(0.0, 0.001, spacing, power, 3, false).labels),
              (Strings{"0.00", "0.25", "0.50", "0.75", "1.00"}));
    EXPECT_EQ(power, -3);
}

// A unit in the title (ms for values in seconds) takes its decades from the labels.
TEST(PlotLabelsTest, UnitPowerDividesTheLabelsAndLeavesThePowerForTheTitle) {
    double spacing = 0.0001;
    int power = 0;
    EXPECT_EQ(Texts(BuildLabels(0.0, 0.0003, spacing, power, 3, false, -3).labels),
              (Strings{"0.0", "0.1", "0.2", "0.3"}));
    EXPECT_EQ(power, 0);

    // 2.5 us apart: 0.0025 ms needs four decimals, so the title keeps its * 10^-3.
    double fine = 0.0000025;
    int left = -3;
    EXPECT_EQ(Texts(BuildLabels(0.0, 0.000005, fine, left, 3, false, -3).labels),
              (Strings{"0.0", "2.5", "5.0"}));
    EXPECT_EQ(left, -3);
}

TEST(PlotLabelsTest, LogLabelsArePowersOfTen) {
    EXPECT_EQ(TextsOf({0.01, 100.0, 1.0, 0, 2, true}),
              (Strings{"1.0E-2", "1.0E-1", "1.0E+0", "1.0E+1", "1.0E+2"}));
    // A non-positive minimum stands for three decades below the maximum.
    EXPECT_EQ(TextsOf({0.0, 10.0, 1.0, 0, 2, true}),
              (Strings{"1.0E-2", "1.0E-1", "1.0E+0", "1.0E+1"}));
    EXPECT_EQ(TextsOf({1.0, 1e4, 2.0, 0, 2, true}), (Strings{"1.0E+0", "1.0E+1", "1.0E+2"}));
}

TEST(PlotLabelsTest, TooManyLogLabelsBecomeTenDecadeSteps) {
    double spacing = 0.01;
    int power = 0;
    const AxisLabels built = BuildLabels(1.0, 1000.0, spacing, power, 2, true);
    EXPECT_DOUBLE_EQ(spacing, 0.3);
    EXPECT_EQ(built.labels.size(), 11U);
    EXPECT_NEAR(built.labels.back().position, 1000.0, 1e-3);
    EXPECT_EQ(built.warning, kTooManyLabels);
}

TEST(PlotLabelsTest, NoLabelsForAnEmptyOrReversedAxis) {
    EXPECT_TRUE(TextsOf({0.0, 1.0, 0.0, 0, 2, false}).empty());
    EXPECT_TRUE(TextsOf({0.0, 1.0, -0.5, 0, 2, false}).empty());
    EXPECT_TRUE(TextsOf({1.0, 0.0, 0.5, 0, 2, false}).empty());
    // One value: a single label, and a spacing lost in the value's magnitude ends the walk.
    EXPECT_EQ(TextsOf({5.0, 5.0, 1.0, 0, 1, false}), (Strings{"5"}));
    EXPECT_EQ(TextsOf({1e20, 1e20, 1.0, 0, 0, false}).size(), 1U);
}

}  // namespace
}  // namespace tapwright
