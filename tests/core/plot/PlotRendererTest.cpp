#include "plot/PlotRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/plot/PlotTestSupport.h"
#include "support/FakeUserInterface.h"
#include "support/RecordingDrawContext.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::FakeViewWindow;
using test::RecordingDrawContext;
using test::TestPlot;
using Line = RecordingDrawContext::Line;

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);

class PlotRendererTest : public testing::Test {
protected:
    PlotRendererTest() { plot.AttachWindow(&window); }

    void SetAxes(PlotAxisState x, PlotAxisState y) {
        plot.XState() = x;
        plot.YState() = y;
    }

    std::vector<Line> LinesIn(Color color) const {
        std::vector<Line> lines;
        for (const auto& line : dc.Lines()) {
            if (line.pen.color == color) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    bool HasLine(Point from, Point to) const {
        const auto lines = dc.Lines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const Line& l) { return l.from == from && l.to == to; });
    }

    FakeUserInterface ui;
    FakeViewWindow window{Rect{0, 0, 400, 300}};
    TestPlot plot;
    RecordingDrawContext dc;
};

const PlotAxisState kXZeroToTen{0.0, 10.0, 5.0, 5.0, 0.0, 0, 0, GridMode::None, false};
const PlotAxisState kYZeroToOne{0.0, 1.0, 0.5, 0.5, 0.0, 0, 1, GridMode::None, false};
const PlotAxisState kYMinusOneToOne{-1.0, 1.0, 1.0, 1.0, 0.0, 0, 1, GridMode::None, false};

TEST_F(PlotRendererTest, PlotWithoutDataDrawsNothingAtAll) {
    plot.hasData = false;
    plot.SetPoints({1.0, 2.0}, {1.0, 2.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_TRUE(ui.StatusTexts().empty());
    EXPECT_EQ(ui.WaitCursorUses(), 0);
}

TEST_F(PlotRendererTest, FirstDrawingFetchesTheDataAndLaterOnesReuseIt) {
    plot.SetPoints({0.0, 10.0}, {0.0, 1.0});
    plot.ClearSeries();
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    EXPECT_EQ(ui.StatusTexts(),
              (std::vector<std::string>{"Drawing...", "Getting data range...",
                                        "Extracting graph data...", "Drawing graph...", "Ready"}));
    EXPECT_EQ(plot.extractions, 1);
    EXPECT_EQ(plot.extractedWidth, plot.Layout().width);
    EXPECT_EQ(ui.WaitCursorUses(), 1);

    RecordingDrawContext again;
    EXPECT_TRUE(plot.OnDraw(again).IsEmpty());
    EXPECT_EQ(plot.extractions, 1);
    EXPECT_EQ(std::vector<std::string>(ui.StatusTexts().begin() + 5, ui.StatusTexts().end()),
              (std::vector<std::string>{"Drawing...", "Drawing graph...", "Ready"}));
    EXPECT_EQ(again.SaveDepth(), 0) << "everything made for the drawing is gone";
}

TEST_F(PlotRendererTest, LayoutLeavesRoomForTitlesAndLabels) {
    // 400 x 300: base font 12 pixels, so "Bq" is 12 high and a character 6 wide. The widest
    // Y label "0.5" is 18 wide, the widest X label "10" 12.
    SetAxes(kXZeroToTen, kYZeroToOne);
    plot.SetPoints({0.0, 10.0}, {0.0, 1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());

    const PlotLayout& area = plot.Layout();
    EXPECT_EQ(area.left, 18 + 3 * 12);
    EXPECT_EQ(area.width, 400 - 18 - 36 - 12);
    EXPECT_EQ(area.height, 300 - 24 - (12 + 6 + 12));
    EXPECT_EQ(area.bottom, 24 + area.height);
    EXPECT_EQ(area.ticLength, 3);
    EXPECT_EQ(plot.Font().height, 12);

    const auto texts = dc.Texts();
    const auto find = [&](const std::string& text) {
        return *std::find_if(texts.begin(), texts.end(),
                             [&](const auto& t) { return t.text == text; });
    };
    const int centre = 54 + 334 / 2;
    EXPECT_EQ(find("Main Title").at, (Point{centre, 270 - 246 - 12}));
    EXPECT_EQ(find("X-Title").at, (Point{centre, 270 + 24}));
    EXPECT_EQ(find("Y-Title").at, (Point{12, 270 - 123 - 6}));
    EXPECT_EQ(find("Y-Title").font.escapement, 900);
    EXPECT_EQ(find("X-Title").align, (TextAlign{HorizontalAlign::Center, VerticalAlign::Baseline}));

    EXPECT_EQ(find("5").at, (Point{54 + 167, 270 + 12}));
    EXPECT_TRUE(HasLine({54 + 168, 267}, {54 + 168, 273})) << "label tic one pixel right";
    EXPECT_EQ(find("0.5").at, (Point{54 - 12, 147 + 6}));
    EXPECT_EQ(find("0.5").align, (TextAlign{HorizontalAlign::Right, VerticalAlign::Bottom}));
    EXPECT_TRUE(HasLine({54 - 3, 146}, {54 + 3, 146})) << "label tic one pixel up";
    EXPECT_TRUE(HasLine({54, 270}, {54 + 334, 270})) << "X axis";
    EXPECT_TRUE(HasLine({54, 270}, {54, 270 - 246})) << "Y axis";
}

TEST_F(PlotRendererTest, PowersOfTenAreAppendedToTheAxisTitles) {
    PlotAxisState x = kXZeroToTen;
    x.powerOfTen = 3;
    PlotAxisState y = kYZeroToOne;
    y.powerOfTen = -6;
    SetAxes(x, y);
    plot.Titles().main.clear();
    plot.Titles().x.clear();
    plot.SetPoints({0.0, 10.0}, {0.0, 1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const auto texts = dc.TextStrings();
    EXPECT_NE(std::find(texts.begin(), texts.end(), " * 10^3"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Y-Title * 10^-6"), texts.end());
    EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string{}), 0);
    // An empty X title with a power still takes its line; no main title takes none.
    EXPECT_EQ(plot.Layout().height, 300 - 12 - (12 + 6 + 12));
}

TEST_F(PlotRendererTest, SeriesAreRedAndBlueInsideTheClippedPlotArea) {
    SetAxes(kXZeroToTen, kYMinusOneToOne);
    plot.SetPoints({0.0, 5.0, 10.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, -1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const PlotLayout& a = plot.Layout();
    const Rect clip{a.left - 2, a.bottom - a.height - 2, a.left + a.width + 2, a.bottom + 2};

    const auto red = LinesIn(kRed);
    ASSERT_EQ(red.size(), 3U) << "one line to every point, the first from itself";
    EXPECT_EQ(red[0].from, red[0].to);
    EXPECT_EQ(red[1].to, (Point{plot.XToPixel(5.0), a.bottom - a.height}));
    EXPECT_EQ(red[1].clip, clip);
    const auto blue = LinesIn(kBlue);
    ASSERT_EQ(blue.size(), 3U);
    EXPECT_EQ(blue[2].to, (Point{a.left + a.width, a.bottom}));
    EXPECT_EQ(blue[2].clip, clip);
    const auto& calls = dc.Calls();
    const auto lastLine = std::find_if(calls.rbegin(), calls.rend(), [](const auto& call) {
        return call.kind == RecordingDrawContext::Kind::LineTo;
    });
    EXPECT_TRUE(std::any_of(calls.rbegin(), lastLine, [](const auto& call) {
        return call.kind == RecordingDrawContext::Kind::ClearClip;
    })) << "the clip ends with the series";
}

TEST_F(PlotRendererTest, ZeroLinesCrossTheLinearAxesAtZero) {
    SetAxes({-5.0, 5.0, 5.0, 5.0, 0.0, 0, 0, GridMode::None, false}, kYMinusOneToOne);
    plot.SetPoints({-5.0, 5.0}, {-1.0, 1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const PlotLayout& a = plot.Layout();
    const int row = plot.YToPixel(0.0);
    const int column = plot.XToPixel(0.0);
    EXPECT_TRUE(HasLine({a.left, row}, {a.left + a.width, row}));
    EXPECT_TRUE(HasLine({column, a.bottom}, {column, a.bottom - a.height}));
}

TEST_F(PlotRendererTest, DotStyleDrawsNoLinesAndLineAndDotDrawsBoth) {
    SetAxes(kXZeroToTen, kYZeroToOne);
    plot.SetPoints({0.0, 5.0, 10.0}, {0.0, 1.0, 0.0});
    plot.SetStyle(PlotStyle::Dot);
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    EXPECT_TRUE(LinesIn(kRed).empty());
    const auto dots = dc.Ovals();
    ASSERT_EQ(dots.size(), 3U);
    const Point middle{plot.XToPixel(5.0), plot.YToPixel(1.0)};
    EXPECT_EQ(dots[1].box, (Rect{middle.x - 2, middle.y - 2, middle.x + 2, middle.y + 2}));
    EXPECT_EQ(dots[1].brush, kRed);
    EXPECT_EQ(dots[1].pen.color, kRed);

    RecordingDrawContext both;
    plot.SetStyle(PlotStyle::LineAndDot);
    EXPECT_TRUE(plot.OnDraw(both).IsEmpty());
    EXPECT_EQ(both.Ovals().size(), 3U);
    const auto lines = both.Lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const Line& l) { return l.pen.color == kRed; }),
              3);
}

TEST_F(PlotRendererTest, BarsStartAtZeroOrJustAboveTheBottomEdge) {
    SetAxes(kXZeroToTen, kYMinusOneToOne);
    plot.SetPoints({2.0, 4.0}, {0.5, -0.5});
    plot.SetStyle(PlotStyle::Bar);
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const int zero = plot.YToPixel(0.0);
    auto bars = LinesIn(kRed);
    ASSERT_EQ(bars.size(), 2U);
    EXPECT_EQ(bars[0].from, (Point{plot.XToPixel(2.0), zero}));
    EXPECT_EQ(bars[0].to, (Point{plot.XToPixel(2.0), plot.YToPixel(0.5)}));
    EXPECT_EQ(bars[1].from, (Point{plot.XToPixel(4.0), zero}));

    RecordingDrawContext fromBottom;
    plot.SetOriginAtZero(false);
    EXPECT_TRUE(plot.OnDraw(fromBottom).IsEmpty());
    dc = fromBottom;
    bars = LinesIn(kRed);
    ASSERT_EQ(bars.size(), 2U);
    EXPECT_EQ(bars[0].from.y, plot.Layout().bottom - 1);
    EXPECT_EQ(bars[1].from.y, plot.Layout().bottom - 1);
}

TEST_F(PlotRendererTest, BarsOnALogAxisStartAtTheBottomEdge) {
    SetAxes(kXZeroToTen, {0.01, 10.0, 1.0, 0.1, 0.0, 0, 2, GridMode::None, true});
    plot.SetPoints({2.0}, {1.0});
    plot.SetStyle(PlotStyle::Bar);
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const auto bars = LinesIn(kRed);
    ASSERT_EQ(bars.size(), 1U);
    EXPECT_EQ(bars[0].from.y, plot.Layout().bottom);
    EXPECT_FALSE(HasLine({plot.Layout().left, plot.Layout().bottom},
                         {plot.Layout().left + plot.Layout().width, plot.YToPixel(1.0)}));
}

TEST_F(PlotRendererTest, GridLinesSpanThePlotAreaInTheGridPen) {
    PlotAxisState x = kXZeroToTen;
    x.gridMode = GridMode::OnLabels;
    PlotAxisState y = kYZeroToOne;
    y.gridMode = GridMode::OnLabels;
    SetAxes(x, y);
    plot.SetPoints({0.0, 10.0}, {0.0, 1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const PlotLayout& a = plot.Layout();
    const auto grid = LinesIn(Rgb(160, 160, 160));
    ASSERT_EQ(grid.size(), 6U);
    EXPECT_EQ(grid[1].from, (Point{plot.XToPixel(5.0), a.bottom - 1}));
    EXPECT_EQ(grid[1].to, (Point{plot.XToPixel(5.0), a.bottom - a.height}));
    EXPECT_EQ(grid[1].pen.style, PenStyle::Dashed);
    EXPECT_EQ(grid[4].from, (Point{a.left + 1, plot.YToPixel(0.5)}));
    EXPECT_EQ(grid[4].to, (Point{a.left + a.width, plot.YToPixel(0.5)}));
}

TEST_F(PlotRendererTest, PolarPlotOnAPrinterUsesASquarePageAndASquareArea) {
    plot.SetPolar(true);
    SetAxes({-1.0, 1.0, 0.5, 0.5, 0.0, 0, 1, GridMode::None, false},
            {-1.0, 1.0, 0.5, 0.5, 0.0, 0, 1, GridMode::None, false});
    plot.SetPoints({0.0, 0.0}, {-1.0, 1.0}, {1.0, -1.0});
    dc.SetPrinting(true, Size{1000, 800});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    EXPECT_EQ(plot.Font().height, 800 * 3 / 100) << "printer fonts are 3 % of the square page";
    EXPECT_EQ(plot.Layout().width, plot.Layout().height);
    // Y against Y2, so the first point is at (-1, 1): the top left corner.
    const auto red = LinesIn(kRed);
    ASSERT_EQ(red.size(), 2U);
    EXPECT_EQ(red[0].to, (Point{plot.Layout().left, plot.Layout().bottom - plot.Layout().height}));
    EXPECT_TRUE(LinesIn(kBlue).empty());
}

TEST_F(PlotRendererTest, PolarAreaGivesOneUnitTheSameLengthOnBothAxes) {
    plot.SetPolar(true);
    SetAxes({-2.0, 2.0, 1.0, 1.0, 0.0, 0, 1, GridMode::None, false},
            {-1.0, 1.0, 0.5, 0.5, 0.0, 0, 1, GridMode::None, false});
    plot.SetPoints({0.0}, {0.0}, {0.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const PlotLayout& a = plot.Layout();
    EXPECT_NEAR(a.width, 2.0 * a.height, 1.0);
    EXPECT_EQ(a.bottom, 24 + a.height) << "the area keeps its place below the main title";
}

TEST_F(PlotRendererTest, NarrowLabelIntervalsShrinkTheLabelFont) {
    // Labels of four characters (24 pixels) every 10 pixels: 10 * 12 / 1.2 / 24 = 4.17 -> 4.
    PlotAxisState x{0.0, 1.0, 0.025, 0.025, 0.0, 0, 3, GridMode::None, false};
    window = FakeViewWindow(Rect{0, 0, 450, 300});
    SetAxes(x, kYZeroToOne);
    plot.SetPoints({0.0, 1.0}, {0.0, 1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const int interval = plot.XToPixel(0.025) - plot.XToPixel(0.0);
    const auto texts = dc.Texts();
    const auto label =
        std::find_if(texts.begin(), texts.end(), [](const auto& t) { return t.text == "0.025"; });
    ASSERT_NE(label, texts.end());
    EXPECT_EQ(label->font.height, static_cast<int>(interval * 12 / 1.2 / 30 + 0.5));
    EXPECT_LT(label->font.height, 12);
}

TEST_F(PlotRendererTest, LogLabelIntervalIsMeasuredWithinTheAxis) {
    // Decades 10 to 1000: each label interval is half the plot area, plenty for "1.0E+2".
    SetAxes({10.0, 1000.0, 1.0, 0.1, 0.0, 0, 2, GridMode::None, true}, kYZeroToOne);
    plot.SetPoints({10.0, 1000.0}, {0.0, 1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    const auto texts = dc.Texts();
    const auto label = std::find_if(texts.begin(), texts.end(),
                                    [](const auto& t) { return t.text == "1.0E+2"; });
    ASSERT_NE(label, texts.end());
    EXPECT_EQ(label->font.height, 12);
    EXPECT_EQ(label->at.x, plot.Layout().left + plot.Layout().width / 2);
}

TEST_F(PlotRendererTest, DrawingGoesOnWhenNoFontCanBeMade) {
    SetAxes(kXZeroToTen, kYZeroToOne);
    plot.SetPoints({0.0, 10.0}, {0.0, 1.0});
    dc.RefuseFonts();
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    EXPECT_EQ(plot.Font().faceName, "Arial");
    EXPECT_EQ(LinesIn(kRed).size(), 2U);
    EXPECT_FALSE(dc.Texts().empty());
    EXPECT_EQ(ui.StatusTexts().back(), "Ready");
}

const PlotWarning kTooManyLabels{
    "Label increment results in too many labels.\nTen labels will be made.", MessageIcon::None};
const PlotWarning kTooManyTics{
    "Tic increment will result in too many tics.\nTwo tics per label will be made.",
    MessageIcon::None};

// Labels every 0.01 over ten units, grid lines on tics 0.05 apart: both too many on both
// axes. The label spacing is corrected in the axis state; the tic spacing is not.
TEST_F(PlotRendererTest, CorrectionsComeBackAsWarningsInTheOrderMetAndNoneIsShown) {
    SetAxes({0.0, 10.0, 0.01, 0.05, 0.0, 0, 2, GridMode::OnTicMarks, false},
            {0.0, 1.0, 0.001, 0.005, 0.0, 0, 3, GridMode::OnTicMarks, false});
    plot.SetPoints({0.0, 10.0}, {0.0, 1.0});
    const PlotWarnings first = plot.OnDraw(dc);
    EXPECT_EQ(first.Items(), (std::vector<PlotWarning>{kTooManyLabels, kTooManyTics}))
        << "each text once, though both axes met it";
    EXPECT_DOUBLE_EQ(plot.XState().labelSpacing, 1.0);
    EXPECT_EQ(plot.XLabels().size(), 11U);
    EXPECT_TRUE(ui.Messages().empty());

    // The corrected label spacing lasts; the grid is corrected again at every drawing.
    RecordingDrawContext again;
    EXPECT_EQ(plot.OnDraw(again).Items(), (std::vector<PlotWarning>{kTooManyTics}));
}

// A plot whose data range goes through its axis records, as a graph's does.
class RangedPlot : public TestPlot {
public:
    PlotWarnings GetDataRange() override { return SetRanges(-1.0, 1.0, -1.0, 1.0); }
};

TEST_F(PlotRendererTest, PolarPlotDrawnWithALogAxisTurnsItOffWithAWarning) {
    RangedPlot polar;
    polar.AttachWindow(&window);
    polar.SetPolar(true);
    polar.YAxis().log = true;
    polar.ApplyAxisSettings();
    polar.SetPoints({0.0, 0.0}, {-1.0, 1.0}, {1.0, -1.0});
    polar.ClearSeries();
    EXPECT_EQ(polar.OnDraw(dc).Items(),
              (std::vector<PlotWarning>{
                  {"Log mode will be turned off for Polar Plot.", MessageIcon::Information}}));
    EXPECT_FALSE(polar.YState().log);
    EXPECT_TRUE(ui.Messages().empty());

    polar.ClearSeries();
    RecordingDrawContext again;
    EXPECT_TRUE(polar.OnDraw(again).IsEmpty()) << "log mode stays off";
}

TEST_F(PlotRendererTest, TinyWindowStillHasAPlotArea) {
    window = FakeViewWindow(Rect{0, 0, 20, 20});
    SetAxes(kXZeroToTen, kYZeroToOne);
    plot.SetPoints({0.0, 10.0}, {0.0, 1.0});
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    EXPECT_GE(plot.Layout().width, 1);
    EXPECT_GE(plot.Layout().height, 1);
}

}  // namespace
}  // namespace tapwright
