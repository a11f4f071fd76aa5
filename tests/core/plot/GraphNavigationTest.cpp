#include <gtest/gtest.h>

#include <cmath>

#include "core/plot/GraphTestSupport.h"
#include "design/FirData.h"
#include "plot/FirPlot.h"
#include "plot/Graph.h"
#include "plot/ZoomList.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::ProbeGraph;

// ---- The geometry on its own ---------------------------------------------------------------

TEST(ZoomGeometryTest, ZoomAboutAValueKeepsItsPlaceAcrossTheSpan) {
    const AxisSpan span{0.0, 100.0};
    const AxisSpan zoomed = ZoomSpanAbout(span, 25.0, 0.5, false);
    EXPECT_DOUBLE_EQ(zoomed.minimum, 12.5);
    EXPECT_DOUBLE_EQ(zoomed.maximum, 62.5);
    // Zooming out by the inverse factor comes back.
    const AxisSpan back = ZoomSpanAbout(zoomed, 25.0, 2.0, false);
    EXPECT_DOUBLE_EQ(back.minimum, 0.0);
    EXPECT_DOUBLE_EQ(back.maximum, 100.0);
}

TEST(ZoomGeometryTest, LogAxisZoomsAndShiftsInDecades) {
    const AxisSpan zoomed = ZoomSpanAbout({1.0, 10000.0}, 100.0, 0.5, true);
    EXPECT_NEAR(zoomed.minimum, 10.0, 1e-9);
    EXPECT_NEAR(zoomed.maximum, 1000.0, 1e-9);
    const AxisSpan shifted = ShiftSpan({10.0, 1000.0}, 0.5, true);
    EXPECT_NEAR(shifted.minimum, 100.0, 1e-9);
    EXPECT_NEAR(shifted.maximum, 10000.0, 1e-9);
    // A log span that reaches 0 cannot be measured in decades; it zooms linearly.
    const AxisSpan linear = ZoomSpanAbout({0.0, 100.0}, 50.0, 0.5, true);
    EXPECT_DOUBLE_EQ(linear.minimum, 25.0);
}

TEST(ZoomGeometryTest, ShiftMovesByAFractionOfTheSpan) {
    const AxisSpan shifted = ShiftSpan({-10.0, 10.0}, -0.25, false);
    EXPECT_DOUBLE_EQ(shifted.minimum, -15.0);
    EXPECT_DOUBLE_EQ(shifted.maximum, 5.0);
}

TEST(ZoomGeometryTest, SpanIsKeptWithinTheLimits) {
    const AxisSpan limits{0.0, 10.0};
    EXPECT_EQ(KeepWithin({-2.0, 3.0}, limits), (AxisSpan{0.0, 5.0}));
    EXPECT_EQ(KeepWithin({8.0, 12.0}, limits), (AxisSpan{6.0, 10.0}));
    EXPECT_EQ(KeepWithin({-1.0, 20.0}, limits), limits);
    EXPECT_EQ(KeepWithin({2.0, 4.0}, limits), (AxisSpan{2.0, 4.0}));
}

TEST(ZoomGeometryTest, ForwardNotchesZoomInAndBackwardOnesOut) {
    EXPECT_DOUBLE_EQ(WheelZoomFactor(1.0), kZoomStepFactor);
    EXPECT_DOUBLE_EQ(WheelZoomFactor(-1.0), 1.0 / kZoomStepFactor);
    EXPECT_DOUBLE_EQ(WheelZoomFactor(0.0), 1.0);
}

// ---- A graph navigated by wheel, drag and keys ---------------------------------------------

class GraphNavigationTest : public testing::Test {
protected:
    GraphNavigationTest() {
        test::MakeTimeSignal(data, test::Ramp(1000, 0.5), {}, 1.0);
        graph.OnUpdate(nullptr, test::ShowHint(1), &data);
        graph.Draw();
    }

    AxisSpan XSpan() const { return {graph.XState().minimum, graph.XState().maximum}; }
    AxisSpan YSpan() const { return {graph.YState().minimum, graph.YState().maximum}; }
    // The values one pixel spans on each axis.
    double XPixel() const { return (XSpan().maximum - XSpan().minimum) / graph.Layout().width; }
    double YPixel() const { return (YSpan().maximum - YSpan().minimum) / graph.Layout().height; }

    Point Inside(double xFraction, double yFraction) const {
        const PlotLayout& layout = graph.Layout();
        return {layout.left + static_cast<int>(layout.width * xFraction),
                layout.bottom - static_cast<int>(layout.height * yFraction)};
    }

    FakeUserInterface ui;
    CLumenData data;
    ProbeGraph<> graph;
};

TEST_F(GraphNavigationTest, WheelZoomKeepsTheValuesUnderTheCursorAndJoinsTheZoomLevels) {
    const Point cursor = Inside(0.3, 0.7);
    const double x = graph.PixelToX(cursor.x);
    const double y = graph.PixelToY(cursor.y);
    const AxisSpan before = XSpan();

    graph.WheelZoom(cursor, 2.0, true, true);
    graph.Draw();
    EXPECT_NEAR(graph.PixelToX(cursor.x), x, XPixel());
    EXPECT_NEAR(graph.PixelToY(cursor.y), y, YPixel());
    EXPECT_NEAR(XSpan().maximum - XSpan().minimum,
                (before.maximum - before.minimum) * WheelZoomFactor(2.0), 1e-9);
    EXPECT_FALSE(graph.XAxis().automatic);
    EXPECT_EQ(graph.ZoomLevels().StatusText(), "Zoom Level 1 of 1");

    graph.NavigateZoom(ZoomMove::Out);
    graph.Draw();
    EXPECT_EQ(XSpan(), before);
}

TEST_F(GraphNavigationTest, ModifiedWheelZoomsOneAxisOnly) {
    const AxisSpan x = XSpan();
    const AxisSpan y = YSpan();
    graph.WheelZoom(Inside(0.5, 0.5), 1.0, true, false);
    graph.Draw();
    EXPECT_LT(XSpan().maximum - XSpan().minimum, x.maximum - x.minimum);
    EXPECT_TRUE(graph.YAxis().automatic);

    const AxisSpan zoomedX = XSpan();
    graph.WheelZoom(Inside(0.5, 0.5), 1.0, false, true);
    graph.Draw();
    EXPECT_EQ(XSpan(), zoomedX);
    EXPECT_FALSE(graph.YAxis().automatic);
    EXPECT_LT(YSpan().maximum - YSpan().minimum, y.maximum - y.minimum);
    EXPECT_EQ(graph.ZoomLevels().Size(), 2u);
}

TEST_F(GraphNavigationTest, DragPansWithThePointerAsOneZoomLevel) {
    graph.WheelZoom(Inside(0.5, 0.5), 3.0, true, true);
    graph.Draw();
    const Point from = Inside(0.5, 0.5);
    const double x = graph.PixelToX(from.x);
    const double y = graph.PixelToY(from.y);
    const AxisSpan zoomed = XSpan();

    graph.BeginPan(from);
    graph.PanTo({from.x + 10, from.y - 5});
    const Point to{from.x + 40, from.y + 20};
    graph.PanTo(to);
    graph.EndPan();
    graph.Draw();
    EXPECT_FALSE(graph.IsPanning());
    // The value grabbed is under the pointer where the drag ends.
    EXPECT_NEAR(graph.PixelToX(to.x), x, XPixel());
    EXPECT_NEAR(graph.PixelToY(to.y), y, YPixel());
    EXPECT_EQ(graph.ZoomLevels().Size(), 2u);  // the wheel zoom and the whole drag

    graph.NavigateZoom(ZoomMove::Out);
    graph.Draw();
    EXPECT_EQ(XSpan(), zoomed);
}

TEST_F(GraphNavigationTest, PanStopsAtTheEndsOfTheData) {
    graph.WheelZoom(Inside(0.1, 0.5), 3.0, true, false);
    graph.Draw();
    const double width = XSpan().maximum - XSpan().minimum;
    graph.PanByStep(-20.0, 0.0);
    graph.Draw();
    EXPECT_DOUBLE_EQ(XSpan().minimum, 0.0);
    EXPECT_NEAR(XSpan().maximum - XSpan().minimum, width, 1e-9);
    EXPECT_EQ(data.GetRangeFirst(), 0);
}

TEST_F(GraphNavigationTest, KeysZoomAboutTheMiddleAndPanBySteps) {
    const AxisSpan x = XSpan();
    const PlotLayout& layout = graph.Layout();
    const Point middle{layout.left + layout.width / 2, layout.bottom - layout.height / 2};
    const double value = graph.PixelToX(middle.x);
    graph.ZoomByStep(1.0);
    graph.Draw();
    EXPECT_NEAR(graph.PixelToX(middle.x), value, XPixel());
    EXPECT_NEAR(XSpan().maximum - XSpan().minimum, (x.maximum - x.minimum) * kZoomStepFactor, 1e-9);
    const AxisSpan zoomed = XSpan();
    graph.PanByStep(kPanStepFraction, 0.0);
    graph.Draw();
    EXPECT_NEAR(XSpan().minimum - zoomed.minimum,
                (zoomed.maximum - zoomed.minimum) * kPanStepFraction, 1e-9);
    EXPECT_EQ(graph.ZoomLevels().Size(), 2u);
}

TEST_F(GraphNavigationTest, AutomaticAxesShowAllOfTheDataAndCanBeZoomedOutOf) {
    graph.WheelZoom(Inside(0.4, 0.4), 4.0, true, true);
    graph.Draw();
    const AxisSpan zoomed = XSpan();
    graph.AutomaticAxes();
    graph.Draw();
    EXPECT_TRUE(graph.XAxis().automatic);
    EXPECT_TRUE(graph.YAxis().automatic);
    EXPECT_EQ(data.GetRangeFirst(), 0);
    EXPECT_EQ(data.GetRangeLast(), 999);
    graph.NavigateZoom(ZoomMove::Out);
    graph.Draw();
    EXPECT_EQ(XSpan(), zoomed);
}

TEST_F(GraphNavigationTest, NothingHappensBeforeTheFirstDrawingOrWithoutData) {
    ProbeGraph<> empty;
    empty.WheelZoom({100, 100}, 1.0, true, true);
    empty.BeginPan({100, 100});
    EXPECT_FALSE(empty.IsPanning());
    empty.AutomaticAxes();
    EXPECT_TRUE(empty.ZoomLevels().IsEmpty());
}

TEST(FirPlotNavigationTest, WheelZoomOfAResponseKeepsTheFrequencyUnderTheCursor) {
    FakeUserInterface ui;
    ui.AllowUnscriptedMessages();
    CFirData filter;
    for (const double tap : {0.1, 0.2, 0.4, 0.2, 0.1}) {
        filter.AddPoint(0, tap);
        filter.AddPoint(1, 0.0);
    }
    filter.UpdateRange();
    ProbeGraph<CFirPlot> plot;
    plot.OnUpdate(nullptr, hint::kOpenResponse + 16 * 4, &filter);
    plot.Draw();
    const PlotLayout& layout = plot.Layout();
    const Point cursor{layout.left + layout.width / 4, layout.bottom - layout.height / 2};
    const double frequency = plot.PixelToX(cursor.x);
    const double pixel = (plot.XState().maximum - plot.XState().minimum) / layout.width;

    plot.WheelZoom(cursor, 3.0, true, false);
    plot.Draw();

    EXPECT_NEAR(plot.PixelToX(cursor.x), frequency, pixel);
    EXPECT_LT(plot.XState().maximum, 0.5);
    EXPECT_EQ(plot.ZoomLevels().Size(), 1u);
}

}  // namespace
}  // namespace tapwright
