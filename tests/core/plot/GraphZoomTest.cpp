#include <gtest/gtest.h>

#include <cmath>

#include "core/plot/GraphTestSupport.h"
#include "plot/Graph.h"
#include "plot/PointReduction.h"
#include "plot/RubberBand.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::ProbeGraph;

// ---- The rubber band on its own ------------------------------------------------------------

const Rect kBounds{100, 50, 300, 250};

struct PressCase {
    Point at;
    BandMode mode;
};

class RubberBandPressTest : public testing::TestWithParam<PressCase> {};

TEST_P(RubberBandPressTest, PressIsClassifiedAgainstTheBounds) {
    CRubberBand band;
    band.Press(GetParam().at, kBounds);
    EXPECT_EQ(band.PressMode(), GetParam().mode);
    EXPECT_TRUE(band.IsTracking());
}

INSTANTIATE_TEST_SUITE_P(Places, RubberBandPressTest,
                         testing::Values(PressCase{{150, 100}, BandMode::Rectangle},
                                         PressCase{{150, 20}, BandMode::XRange},
                                         PressCase{{300, 260}, BandMode::XRange},
                                         PressCase{{80, 100}, BandMode::YRange},
                                         PressCase{{300, 100}, BandMode::YRange},
                                         PressCase{{80, 20}, BandMode::Rectangle}));

TEST(RubberBandTest, MarkersFollowTheDragAndEraseOnTheirOwnColumn) {
    CRubberBand band;
    band.Press({150, 10}, kBounds);  // above the plot: clamped onto its top edge
    EXPECT_EQ(band.Anchor(), (Point{150, 50}));
    EXPECT_EQ(band.VerticalMarkers()[0], 150);
    band.Move({180, 10});
    band.Move({400, 10});  // clamped to the right edge; the second marker moves there
    EXPECT_EQ(band.VerticalMarkers(), (std::array<int, 2>{150, 300}));
    band.ToggleVerticalMarker(300);
    EXPECT_EQ(band.VerticalMarkers()[1], CRubberBand::kNone);

    const BandRelease release = band.Release({250, 10});
    EXPECT_EQ(release.mode, BandMode::XRange);
    EXPECT_EQ(release.rectangle, (Rect{150, 50, 250, 250}));
    EXPECT_EQ(band.VerticalMarkers()[0], CRubberBand::kNone);  // all marks erased
    EXPECT_FALSE(band.IsTracking());
}

struct ReleaseCase {
    Point press;
    Point release;
    BandMode mode;
};

class RubberBandReleaseTest : public testing::TestWithParam<ReleaseCase> {};

TEST_P(RubberBandReleaseTest, ReleaseNeedsTenPixelsAcrossAndFiveDown) {
    CRubberBand band;
    band.Press(GetParam().press, kBounds);
    band.Move(GetParam().release);
    EXPECT_EQ(band.Release(GetParam().release).mode, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, RubberBandReleaseTest,
    testing::Values(ReleaseCase{{150, 20}, {159, 20}, BandMode::Click},     // narrow, above
                    ReleaseCase{{150, 20}, {160, 20}, BandMode::XRange},    // wide enough
                    ReleaseCase{{80, 100}, {80, 104}, BandMode::Nothing},   // too low, beside
                    ReleaseCase{{80, 100}, {80, 105}, BandMode::YRange},    // high enough
                    ReleaseCase{{80, 100}, {80, 100}, BandMode::Nothing},   // one marker only
                    ReleaseCase{{150, 100}, {200, 103}, BandMode::XRange},  // 50 by 3
                    ReleaseCase{{150, 100}, {155, 180}, BandMode::Click},   // narrow
                    ReleaseCase{{150, 100}, {200, 180}, BandMode::Rectangle}));

// ---- Grouping ---------------------------------------------------------------------------

TEST(PointGrouperTest, OverlappingGroupSwitchesTheRestToPeaks) {
    // Two samples per group, but the fifth sample still lies in the column the second group
    // began in: it joins that group, and from then on no sum is shown.
    PointGrouper grouper(2, true);
    const int columns[] = {0, 0, 1, 1, 1, 2, 3};
    const double values[] = {1.0, 1.0, 1.0, 3.0, 1.0, 1.0, 2.0};
    for (int i = 0; i < 7; ++i) {
        grouper.Add(values[i], i, columns[i]);
    }
    const GroupedPoints points = grouper.Finish();
    EXPECT_EQ(points.values, (std::vector<double>{2.0, 3.0, 2.0}));
    EXPECT_EQ(points.counts, (std::vector<std::int32_t>{2, 3, 2}));
    EXPECT_EQ(points.xs, (std::vector<double>{0.0, 3.0, 6.0}));
}

TEST(PointGrouperTest, ByColumnTheFirstOfEqualMagnitudesIsKept) {
    PointGrouper grouper(0, false);
    grouper.Add(-2.0, 0.0, 5);
    grouper.Add(2.0, 1.0, 5);
    grouper.Add(0.5, 2.0, 6);
    const GroupedPoints points = grouper.Finish();
    EXPECT_EQ(points.values, (std::vector<double>{-2.0, 0.5}));
    EXPECT_EQ(points.counts, (std::vector<std::int32_t>{2, 1}));
}

// ---- Zoom and readouts of a graph -----------------------------------------------------

class GraphZoomTest : public testing::Test {
protected:
    void ShowTimeSignal(std::int32_t points) {
        test::MakeTimeSignal(data, test::Ramp(points, 0.5), {}, 1.0);
        graph.OnUpdate(nullptr, test::ShowHint(1), &data);
        graph.Draw();
    }

    // A drag across the middle of the plot area, a fifth of its width and height.
    void ZoomByRectangle() {
        const PlotLayout& layout = graph.Layout();
        const Point from{layout.left + layout.width / 5, layout.bottom - layout.height * 3 / 5};
        const Point to{layout.left + layout.width * 2 / 5, layout.bottom - layout.height * 2 / 5};
        graph.Drag(from, to);
        graph.Draw();
    }

    const std::string& Status() const { return ui.StatusTexts().back(); }

    FakeUserInterface ui;
    CLumenData data;
    ProbeGraph<> graph;
};

TEST_F(GraphZoomTest, ZoomLevelsFollowZoomsAndNavigation) {
    ShowTimeSignal(1000);
    EXPECT_EQ(Status(), "Ready");
    for (const ZoomMove move : {ZoomMove::Next, ZoomMove::Out, ZoomMove::In}) {
        EXPECT_FALSE(graph.IsZoomEnabled(move));
    }

    ZoomByRectangle();
    ZoomByRectangle();
    EXPECT_EQ(Status(), "Zoom Level 2 of 2");
    EXPECT_FALSE(graph.IsZoomEnabled(ZoomMove::In));
    EXPECT_FALSE(graph.IsZoomEnabled(ZoomMove::Bottom));
    EXPECT_TRUE(graph.IsZoomChecked(ZoomMove::Bottom));
    EXPECT_TRUE(graph.IsZoomEnabled(ZoomMove::Out));
    EXPECT_TRUE(graph.IsZoomEnabled(ZoomMove::Next));
    const std::pair<double, double> zoomedView{graph.XState().minimum, graph.XState().maximum};

    EXPECT_TRUE(graph.Commands().Execute(graph, kCmdZoomOut));
    graph.Draw();
    EXPECT_EQ(Status(), "Zoom Level 1 of 2");
    EXPECT_TRUE(graph.IsZoomEnabled(ZoomMove::In));

    graph.NavigateZoom(ZoomMove::Top);
    graph.Draw();
    EXPECT_EQ(Status(), "Top Level");
    EXPECT_TRUE(graph.IsZoomChecked(ZoomMove::Top));
    EXPECT_FALSE(graph.IsZoomEnabled(ZoomMove::Out));
    EXPECT_EQ(data.GetRangeFirst(), 0);
    EXPECT_EQ(data.GetRangeLast(), 999);

    graph.NavigateZoom(ZoomMove::Bottom);  // back to the live view that was kept
    graph.Draw();
    EXPECT_EQ(Status(), "Zoom Level 2 of 2");
    EXPECT_EQ(graph.viewRequests.back(), zoomedView);

    graph.NavigateZoom(ZoomMove::Next);  // from the last level, Next goes to the top
    graph.Draw();
    EXPECT_EQ(Status(), "Top Level");

    ZoomByRectangle();  // a new zoom from the top drops every other level
    EXPECT_EQ(Status(), "Zoom Level 1 of 1");
}

TEST_F(GraphZoomTest, FlatDragZoomsHorizontallyOnly) {
    ShowTimeSignal(1000);
    const double yMin = graph.YState().minimum;
    const double yMax = graph.YState().maximum;
    const Point from = graph.PixelOf(200.0, 200.0);
    graph.Drag(from, {from.x + 50, from.y + 3});

    ASSERT_EQ(graph.viewRequests.size(), 1u);
    EXPECT_NEAR(graph.viewRequests[0].first, 200.0, 5.0);
    EXPECT_TRUE(graph.rescaleX);
    EXPECT_TRUE(graph.rescaleY);
    EXPECT_TRUE(graph.YAxis().automatic);
    EXPECT_GT(data.GetRangeFirst(), 0);
    graph.Draw();
    EXPECT_LT(graph.YState().maximum - graph.YState().minimum, yMax - yMin);  // rescaled
}

TEST_F(GraphZoomTest, RectangleZoomFixesTheYRangeToTheDrag) {
    ShowTimeSignal(1000);
    const Point from = graph.PixelOf(200.0, 300.0);
    const Point to = graph.PixelOf(400.0, 100.0);
    const double yLow = graph.PixelToY(to.y);
    graph.Drag(from, to);
    EXPECT_FALSE(graph.YAxis().automatic);
    EXPECT_DOUBLE_EQ(graph.YAxis().dataMinimum, yLow);
    EXPECT_FALSE(graph.rescaleY);
}

TEST_F(GraphZoomTest, NarrowDragAboveThePlotIsAClick) {
    ShowTimeSignal(100);
    const Point above{graph.XToPixel(40.0), graph.Layout().bottom - graph.Layout().height - 8};
    graph.Drag(above, {above.x + 6, above.y});
    EXPECT_TRUE(graph.viewRequests.empty());
    EXPECT_TRUE(graph.ZoomLevels().IsEmpty());
    EXPECT_EQ(Status().substr(0, 2), "X=");
}

TEST_F(GraphZoomTest, SecondClickOnTheSamePointShowsItsBin) {
    ShowTimeSignal(100);
    const Point at = graph.PixelOf(40.0, 20.0);
    graph.Click(at);
    EXPECT_EQ(Status(), "X=40.000, Y=20.000, Width=1.000 sec, Max Bin=40");
    EXPECT_EQ(graph.RubberBand().VerticalMarkers()[0], graph.XToPixel(40.0));
    graph.Click(at);
    EXPECT_EQ(Status(), "Bin 40: I=20.000, Q=0.000, Mag=20.00, Phase=0.000 deg");
    graph.Click(at);
    EXPECT_EQ(Status().substr(0, 2), "X=");
}

TEST_F(GraphZoomTest, BinReadoutOfASpectrumIsInDb) {
    test::MakeSpectrum(data, 64, 64.0, [](std::int32_t i) { return i == 8 ? 10.0 : 0.0; });
    graph.OnUpdate(nullptr, test::ShowHint(1), &data);
    graph.Draw();
    const Point at = graph.PixelOf(8.0, 10.0);
    graph.Click(at);
    EXPECT_EQ(Status(), "X=8.000, Y=10.000, Width=1.000 Hz, Max Bin=8");
    graph.Click(at);
    EXPECT_EQ(Status(), "Bin 8: I=10.000, Q=0.000, Mag=20.00 dB, Phase=0.000 deg");
}

TEST_F(GraphZoomTest, ZoomTooNarrowIsRefusedWithoutSavingALevel) {
    ShowTimeSignal(10);
    ui.ExpectMessage("Cannot zoom: horizontal range is too narrow.");
    const Point from = graph.PixelOf(4.0, 3.0);
    graph.Drag(from, {from.x + 12, from.y + 40});
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
    EXPECT_TRUE(graph.ZoomLevels().IsEmpty());
    EXPECT_EQ(data.GetRangeLast(), 9);
}

TEST_F(GraphZoomTest, LogAxisZoomWidensToFullDecades) {
    test::MakeSpectrum(data, 20000, 20000.0, [](std::int32_t) { return 1.0; });
    graph.OnUpdate(nullptr, test::ShowHint(1), &data);
    graph.XAxis().log = true;
    graph.ApplyAxisSettings();
    graph.Draw();
    ASSERT_TRUE(graph.XState().log);

    const int above = graph.Layout().bottom - graph.Layout().height - 8;
    graph.Drag({graph.XToPixel(150.0), above}, {graph.XToPixel(3500.0), above});
    ASSERT_EQ(graph.viewRequests.size(), 1u);
    EXPECT_DOUBLE_EQ(graph.viewRequests[0].first, 100.0);
    EXPECT_DOUBLE_EQ(graph.viewRequests[0].second, 10000.0);
}

TEST_F(GraphZoomTest, MouseIsIgnoredBeforeTheFirstDrawingAndWithoutData) {
    graph.Click({150, 150});
    EXPECT_FALSE(graph.RubberBand().IsTracking());
    EXPECT_FALSE(graph.OnContextMenu());
    test::MakeTimeSignal(data, test::Ramp(10), {}, 1.0);
    graph.OnUpdate(nullptr, test::ShowHint(1), &data);
    graph.OnLButtonDown({150, 150});  // bound, but not laid out yet
    EXPECT_FALSE(graph.RubberBand().IsTracking());
    EXPECT_TRUE(graph.OnContextMenu());
}

}  // namespace
}  // namespace tapwright
