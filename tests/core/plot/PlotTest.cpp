#include "plot/Plot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/plot/PlotTestSupport.h"
#include "plot/FontDlg.h"
#include "plot/PlotRenderer.h"
#include "support/FakeUserInterface.h"
#include "support/RecordingDrawContext.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::FakeViewWindow;
using test::RecordingDrawContext;
using test::TestPlot;

class PlotTest : public testing::Test {
protected:
    PlotTest() {
        ui.AllowUnscriptedMessages();
        plot.AttachWindow(&window);
    }

    // Lays the plot out by drawing it once on an 800 x 600 window with fixed axes.
    void LayOut(bool xLog, bool yLog) {
        plot.XState() = PlotAxisState{1.0, 100.0, 1.0, 0.1, 0.0, 0, 2, GridMode::None, xLog};
        plot.YState() = PlotAxisState{1.0, 1000.0, 1.0, 0.1, 0.0, 0, 2, GridMode::None, yLog};
        if (!xLog) {
            plot.XState().labelSpacing = plot.XState().ticSpacing = 10.0;
        }
        if (!yLog) {
            plot.YState().labelSpacing = plot.YState().ticSpacing = 100.0;
        }
        plot.SetPoints({1.0, 100.0}, {1.0, 1000.0});
        RecordingDrawContext dc;
        EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    }

    FakeUserInterface ui;
    FakeViewWindow window{Rect{0, 0, 800, 600}};
    TestPlot plot;
};

TEST_F(PlotTest, DataRangeSpansAllSeriesAndYTwoOnlyWidensY) {
    plot.SetPoints({3.0, -1.0, 7.0}, {0.5, 0.25, 2.0}, {-4.0, 1.0, 1.5});
    EXPECT_TRUE(plot.GetDataRange().IsEmpty());
    EXPECT_EQ(plot.XState().minimum, -1.0);
    EXPECT_EQ(plot.XState().maximum, 7.0);
    EXPECT_EQ(plot.YState().minimum, -4.0);
    EXPECT_EQ(plot.YState().maximum, 2.0);

    plot.ClearSeries();
    EXPECT_TRUE(plot.GetDataRange().IsEmpty());
    EXPECT_EQ(plot.XState().minimum, -1.0) << "empty series leave the range as it was";
}

TEST_F(PlotTest, LinearMappingPutsTheRangeOnTheEdgesOfThePlotArea) {
    LayOut(false, false);
    const PlotLayout& area = plot.Layout();
    ASSERT_GT(area.width, 100);
    EXPECT_EQ(plot.XToPixel(1.0), area.left);
    EXPECT_EQ(plot.XToPixel(100.0), area.left + area.width);
    EXPECT_EQ(plot.YToPixel(1.0), area.bottom);
    EXPECT_EQ(plot.YToPixel(1000.0), area.bottom - area.height);
    EXPECT_NEAR(plot.PixelToX(plot.XToPixel(50.5)), 50.5, 99.0 / area.width);
    EXPECT_NEAR(plot.PixelToY(plot.YToPixel(500.5)), 500.5, 999.0 / area.height);
    // Values far outside still give a valid pixel on their side of the area.
    EXPECT_GT(plot.XToPixel(1e300), area.left + area.width);
    EXPECT_LT(plot.YToPixel(1e300), area.bottom - area.height);
}

TEST_F(PlotTest, LogMappingPlacesDecadesEvenlyAndNonPositiveValuesOnTheEdge) {
    LayOut(true, true);
    const PlotLayout& area = plot.Layout();
    EXPECT_EQ(plot.XToPixel(10.0), area.left + area.width / 2);
    EXPECT_NEAR(plot.YToPixel(10.0), area.bottom - area.height / 3.0, 1.0);
    EXPECT_EQ(plot.XToPixel(0.0), area.left);
    EXPECT_EQ(plot.XToPixel(-5.0), area.left);
    EXPECT_EQ(plot.YToPixel(0.0), area.bottom);
    EXPECT_NEAR(plot.PixelToX(area.left + area.width / 2), 10.0, 0.1);
}

TEST_F(PlotTest, LogXAxisFromZeroStartsTwoDecadesBelowItsMaximum) {
    LayOut(true, false);
    plot.XState().minimum = 0.0;
    plot.XState().maximum = 1000.0;
    RecordingDrawContext dc;
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    EXPECT_DOUBLE_EQ(plot.XState().minimum, 10.0);
    EXPECT_EQ(plot.XToPixel(10.0), plot.Layout().left);
}

std::vector<int> Columns(const RecordingDrawContext& dc) {
    std::vector<int> columns;
    for (const auto& line : dc.Lines()) {
        EXPECT_EQ(line.from.x, line.to.x) << "tic lines of the X axis are vertical";
        columns.push_back(line.from.x);
    }
    return columns;
}

TEST_F(PlotTest, LogTicLinesFallOnEveryUnitOfEachDecade) {
    LayOut(true, false);
    RecordingDrawContext dc;
    const Pen pen{PenStyle::Dashed, 1, Rgb(1, 2, 3)};
    plot.DrawTicLines(dc, pen, true, true, 1.0, 100.0, 0.1, 10, 20);

    std::vector<int> expected;
    for (double decade : {1.0, 10.0}) {
        for (int unit = 1; unit <= 9; ++unit) {
            expected.push_back(plot.XToPixel(unit * decade));
        }
    }
    expected.push_back(plot.XToPixel(100.0));
    EXPECT_EQ(Columns(dc), expected);
    const auto lines = dc.Lines();
    EXPECT_EQ(lines[0].from.y, 10);
    EXPECT_EQ(lines[0].to.y, 20);
    EXPECT_EQ(lines[0].pen, pen);
    EXPECT_EQ(dc.CurrentPen(), kDefaultPen) << "the previous pen is restored";
}

TEST_F(PlotTest, TicLinesOnWholeDecadesAndOnALinearAxis) {
    LayOut(true, false);
    RecordingDrawContext decades;
    plot.DrawTicLines(decades, kDefaultPen, true, true, 1.0, 100.0, 1.0, 0, 1);
    EXPECT_EQ(Columns(decades),
              (std::vector<int>{plot.XToPixel(1.0), plot.XToPixel(10.0), plot.XToPixel(100.0)}));

    LayOut(false, false);
    RecordingDrawContext linear;
    plot.DrawTicLines(linear, kDefaultPen, false, false, 0.0, 0.3, 0.1, 5, 9);
    ASSERT_EQ(linear.Lines().size(), 4U) << "the line at the end is not lost to rounding";
    EXPECT_EQ(linear.Lines()[3].from, (Point{5, plot.YToPixel(0.3)}));

    RecordingDrawContext none;
    plot.DrawTicLines(none, kDefaultPen, false, true, 0.0, 10.0, 0.0, 0, 1);
    plot.DrawTicLines(none, kDefaultPen, true, true, -1.0, 10.0, 0.1, 0, 1);
    EXPECT_TRUE(none.Lines().empty());
}

TEST(PlotGridTest, GridSpacingFollowsTheGridMode) {
    PlotAxisState axis{0.0, 10.0, 2.0, 0.5, 0.0, 0, 2, GridMode::None, false};
    EXPECT_EQ(GridSpacing(axis).spacing, 0.0);
    axis.gridMode = GridMode::OnZero;
    EXPECT_EQ(GridSpacing(axis).spacing, 0.0);
    axis.gridMode = GridMode::OnLabels;
    EXPECT_EQ(GridSpacing(axis).spacing, 2.0);
    axis.gridMode = GridMode::OnTicMarks;
    EXPECT_EQ(GridSpacing(axis).spacing, 0.5);
    EXPECT_FALSE(GridSpacing(axis).warning);

    axis.ticSpacing = 0.1;
    const GridLines corrected = GridSpacing(axis);
    EXPECT_EQ(corrected.spacing, 1.0);
    EXPECT_EQ(corrected.warning,
              (PlotWarning{
                  "Tic increment will result in too many tics.\nTwo tics per label will be made.",
                  MessageIcon::None}));
    EXPECT_EQ(axis.ticSpacing, 0.1) << "the axis keeps its tic spacing";
    axis.log = true;
    EXPECT_EQ(GridSpacing(axis).spacing, 0.1) << "no such check on a log axis";
    EXPECT_FALSE(GridSpacing(axis).warning);
}

TEST_F(PlotTest, StyleCommandsCheckTheCurrentStyleAndKeepTheSeries) {
    plot.SetPoints({1.0}, {2.0});
    EXPECT_TRUE(plot.IsStyleChecked(PlotStyle::Line));
    plot.OnStyle(PlotStyle::Bar);
    EXPECT_TRUE(plot.IsStyleChecked(PlotStyle::Bar));
    EXPECT_FALSE(plot.IsStyleChecked(PlotStyle::Line));
    EXPECT_EQ(window.invalidations, 1);
    EXPECT_FALSE(plot.Series().IsEmpty());
}

TEST_F(PlotTest, FontCommandTurnsTheChosenHeightIntoAScale) {
    plot.SetPoints({1.0}, {2.0});
    ui.ExpectDialog<CFontDlg>([](CFontDlg& dialog) {
        EXPECT_EQ(dialog.font.faceName, "Arial");
        EXPECT_EQ(dialog.font.height, 20);
        EXPECT_TRUE(dialog.scalableOnly);
        dialog.font.height = 30;
        dialog.font.faceName = "Serif";
        dialog.font.weight = 400;
        return true;
    });
    plot.OnFont();
    EXPECT_DOUBLE_EQ(plot.FontScale(), 1.5);
    EXPECT_EQ(plot.Font().faceName, "Serif");
    EXPECT_EQ(plot.Font().weight, 400);
    EXPECT_TRUE(plot.Series().IsEmpty());
    EXPECT_EQ(window.invalidations, 1);

    ui.ExpectDialog<CFontDlg>([](CFontDlg& dialog) {
        dialog.font.height = 99;
        return false;
    });
    plot.OnFont();
    EXPECT_DOUBLE_EQ(plot.FontScale(), 1.5);
    EXPECT_EQ(plot.Font().height, 30);
}

}  // namespace
}  // namespace tapwright
