#include "plot/AxisPlot.h"

#include <gtest/gtest.h>

#include "core/plot/PlotTestSupport.h"

namespace tapwright {
namespace {

using test::TestPlot;

TEST(AxisPlotTest, SetRangesScalesBothAxesAndAppliesThem) {
    TestPlot plot;
    EXPECT_TRUE(plot.SetRanges(0.0, 0.95, -1.0, 1.0).IsEmpty());
    EXPECT_DOUBLE_EQ(plot.XState().maximum, 1.0);
    EXPECT_DOUBLE_EQ(plot.XState().labelSpacing, 0.1);
    EXPECT_DOUBLE_EQ(plot.YState().minimum, -1.0);
    EXPECT_DOUBLE_EQ(plot.YState().ticSpacing, 0.2);
    EXPECT_EQ(plot.XState().decimalDigits, 3);
    EXPECT_EQ(plot.XState().gridMode, GridMode::OnTicMarks);
    EXPECT_EQ(plot.XState().powerOfTen, 0);
}

TEST(AxisPlotTest, PolarPlotTurnsLogModeOffAndRescalesManualAxes) {
    TestPlot plot;
    plot.SetPolar(true);
    plot.XAxis().log = true;
    plot.XAxis().automatic = false;
    plot.YAxis().automatic = false;
    plot.ApplyAxisSettings();

    const PlotWarnings warnings = plot.SetRanges(-2.0, 2.0, -2.0, 2.0);
    EXPECT_EQ(warnings.Items(), (std::vector<PlotWarning>{{
                                    "Log mode will be turned off for Polar Plot.",
                                    MessageIcon::Information,
                                }}));
    EXPECT_FALSE(plot.XAxis().log);
    EXPECT_FALSE(plot.XState().log);
    EXPECT_TRUE(plot.XAxis().automatic);
    EXPECT_TRUE(plot.YAxis().automatic);
    EXPECT_FALSE(plot.forceRescale);
    EXPECT_DOUBLE_EQ(plot.XState().minimum, -2.0);

    // No second warning: log mode stays off.
    EXPECT_TRUE(plot.SetRanges(-1.0, 1.0, -1.0, 1.0).IsEmpty());
}

TEST(AxisPlotTest, RescaleFlagMakesOnlyItsAxisAutomaticOnce) {
    TestPlot plot;
    plot.XAxis().automatic = false;
    plot.YAxis().automatic = false;
    plot.rescaleX = true;
    EXPECT_TRUE(plot.SetRanges(0.0, 6.0, 0.0, 6.0).IsEmpty());
    EXPECT_TRUE(plot.XAxis().automatic);
    EXPECT_FALSE(plot.YAxis().automatic);
    EXPECT_FALSE(plot.rescaleX);
    EXPECT_DOUBLE_EQ(plot.XState().maximum, 6.0);
}

TEST(AxisPlotTest, LogAxisLabelsAreNeverScaled) {
    TestPlot plot;
    plot.YAxis().log = true;
    plot.YAxis().powerOfTen = -6;
    plot.XAxis().powerOfTen = 3;
    plot.ApplyAxisSettings();
    EXPECT_EQ(plot.YState().powerOfTen, 0);
    EXPECT_EQ(plot.XState().powerOfTen, 3);
}

TEST(AxisPlotTest, AnEditedAxisIsAppliedAloneAndDrawnAnew) {
    TestPlot plot;
    test::FakeViewWindow window{Rect{0, 0, 100, 100}};
    plot.AttachWindow(&window);
    plot.SetPoints({1.0}, {1.0});
    plot.XAxis().maximum = 42.0;
    plot.YAxis().maximum = 24.0;
    plot.OnAxisEdited(AxisId::X);
    EXPECT_EQ(plot.XState().maximum, 42.0);
    EXPECT_EQ(plot.YState().maximum, 1.0);
    EXPECT_TRUE(plot.Series().IsEmpty());
    EXPECT_EQ(window.invalidations, 1);
}

}  // namespace
}  // namespace tapwright
