#include "gui/platform/QtDrawContext.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <vector>

#include "gui/GuiTestSupport.h"
#include "plot/AxisPlot.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using gui::DrawDevice;
using gui::QtDrawContext;
using test::InkBounds;

const QColor kRed(255, 0, 0);
const QColor kGridGrey(160, 160, 160);

class FixedWindow : public ViewWindow {
public:
    explicit FixedWindow(Rect client) : client_(client) {}
    void Invalidate() override {}
    Rect ClientRect() const override { return client_; }

private:
    Rect client_;
};

// A plot of a few fixed points on fixed axes.
class PointPlot : public CAxisPlot {
public:
    PointPlot(std::vector<double> x, std::vector<double> y) : x_(std::move(x)), y_(std::move(y)) {}

    bool HasData() const override { return true; }
    void ExtractData(int&) override {
        Series().x.SetSize(0);
        Series().y.SetSize(0);
        for (std::size_t i = 0; i < x_.size(); ++i) {
            Series().x.Add(x_[i]);
            Series().y.Add(y_[i]);
        }
    }

private:
    std::vector<double> x_;
    std::vector<double> y_;
};

class QtDrawContextTest : public testing::Test {
protected:
    QtDrawContextTest() { image.fill(Qt::white); }

    // Draws with a fresh context on the image and returns what changed.
    template <class Drawing>
    QImage Draw(Drawing drawing) {
        QPainter painter(&image);
        QtDrawContext dc(painter, DrawDevice::Picture);
        drawing(dc);
        painter.end();
        return image;
    }

    test::FakeUserInterface ui;
    QImage image{400, 300, QImage::Format_RGB32};
};

TEST_F(QtDrawContextTest, PlotSeriesIsRedWhereMappedAndNeverLeavesItsClip) {
    // The spike to 3 leaves the axis range (-1 to 1) and must be cut at the clip.
    PointPlot plot({0, 2, 4, 6, 8, 10}, {0, 0.5, 0.5, 3.0, -0.5, 0});
    FixedWindow window{Rect{0, 0, 400, 300}};
    plot.AttachWindow(&window);
    plot.XState() = PlotAxisState{0.0, 10.0, 5.0, 1.0, 0.0, 0, 0, GridMode::OnLabels, false};
    plot.YState() = PlotAxisState{-1.0, 1.0, 0.5, 0.25, 0.0, 0, 1, GridMode::None, false};
    Draw([&](DrawContext& dc) { EXPECT_TRUE(plot.OnDraw(dc).IsEmpty()); });

    const PlotLayout& layout = plot.Layout();
    ASSERT_GT(layout.width, 100);
    EXPECT_EQ(image.pixelColor(plot.XToPixel(3.0), plot.YToPixel(0.5)), kRed);

    const QRect clip(QPoint(layout.left - 2, layout.bottom - layout.height - 2),
                     QPoint(layout.left + layout.width + 1, layout.bottom + 1));
    int redInTopClipRow = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == kRed) {
                ASSERT_TRUE(clip.contains(x, y)) << "red at " << x << "," << y;
                redInTopClipRow += y == clip.top() ? 1 : 0;
            }
        }
    }
    EXPECT_GT(redInTopClipRow, 0) << "the spike should run up to the clip";

    // The dashed grid line at the middle label has grey dashes and gaps.
    int grey = 0;
    for (int y = clip.top() + 4; y < layout.bottom - 4; ++y) {
        grey += image.pixelColor(plot.XToPixel(5.0), y) == kGridGrey ? 1 : 0;
    }
    EXPECT_GT(grey, layout.height / 2);
    EXPECT_LT(grey, layout.height - 8);

    // The main title is drawn above the plot area.
    EXPECT_FALSE(InkBounds(image.copy(0, 0, 400, layout.bottom - layout.height - 3)).isEmpty());
}

TEST_F(QtDrawContextTest, PrintedPlotIsLaidOutOnThePageNotOnTheWindow) {
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("page.pdf"));
    PointPlot plot({0, 10}, {0, 1});
    FixedWindow window{Rect{0, 0, 400, 300}};
    plot.AttachWindow(&window);

    QPainter painter(&printer);
    QtDrawContext dc(painter, DrawDevice::Printer);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.Resolution(), (Size{printer.width(), printer.height()}));
    EXPECT_EQ(dc.Aspect().width, dc.Aspect().height);
    EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
    painter.end();
    EXPECT_GT(plot.Layout().left + plot.Layout().width, 2000);
}

// A pen one pixel wide is a hairline on a page of 1200 dots per inch; printed lines keep
// at least the quarter millimetre of a screen pixel, and wider pens stay wider.
TEST_F(QtDrawContextTest, PrintedPensAreAtLeastAQuarterMillimetreWide) {
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("page.pdf"));
    QPainter painter(&printer);
    QtDrawContext dc(painter, DrawDevice::Printer);
    const double mmPerDot = 25.4 / printer.logicalDpiX();
    ASSERT_LT(mmPerDot, 0.25);

    const auto printedMm = [&](int width, PenStyle style) {
        dc.SelectPen(Pen{style, width, kBlack});
        return painter.pen().widthF() * mmPerDot;
    };
    const double thinnest = printedMm(1, PenStyle::Solid);
    EXPECT_GE(thinnest, 0.25);
    EXPECT_LT(thinnest, 0.5);
    EXPECT_GE(printedMm(1, PenStyle::Dashed), 0.25);
    EXPECT_NEAR(printedMm(2, PenStyle::Solid), 2.0 * thinnest, 1e-9);
    painter.end();

    // The screen keeps its one-pixel lines.
    Draw([](DrawContext& screen) {
        screen.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
        screen.MoveTo({10, 10});
        screen.LineTo({100, 10});
    });
    EXPECT_EQ(InkBounds(image).height(), 1);
}

TEST_F(QtDrawContextTest, FontIsTheNearestThatFitsAndIsMeasuredAsDrawn) {
    Draw([](DrawContext& dc) {
        const auto made = dc.SelectFont({30, 700, false, false, "DejaVu Sans", 0});
        ASSERT_TRUE(made.has_value());
        EXPECT_LE(made->height, 30);
        EXPECT_GE(made->height, 26);
        EXPECT_EQ(made->weight, 700);
        EXPECT_FALSE(made->faceName.empty());
        EXPECT_EQ(dc.MeasureText("Bq").height, made->height);
        dc.SetTextAlign({HorizontalAlign::Left, VerticalAlign::Top});
        dc.DrawText({100, 100}, "Bq");
    });
    const QRect ink = InkBounds(image);
    EXPECT_GE(ink.top(), 100);
    EXPECT_LE(ink.bottom(), 130);
    EXPECT_GE(ink.left(), 99);
}

// Where the text must lie against the reference point, along one axis of the image.
enum class Side { Before, After, Centred, StandingOn };

struct AlignmentCase {
    const char* name;
    TextAlign align;
    int escapement;
    Side x;
    Side y;
};

class QtDrawContextAlignmentTest : public QtDrawContextTest,
                                   public testing::WithParamInterface<AlignmentCase> {};

void ExpectSide(Side side, int low, int high, int reference, const char* axis) {
    switch (side) {
        case Side::Before:
            EXPECT_LE(high, reference + 1) << axis;
            break;
        case Side::After:
            EXPECT_GE(low, reference - 1) << axis;
            break;
        case Side::Centred:
            EXPECT_NEAR((low + high) / 2.0, reference, 3.0) << axis;
            break;
        case Side::StandingOn:
            // Capitals stand on the baseline and nothing of "Label 10" hangs below it.
            EXPECT_LT(low, reference - 10) << axis;
            EXPECT_LE(high, reference + 1) << axis;
            break;
    }
}

TEST_P(QtDrawContextAlignmentTest, TextLiesWhereItsAlignmentPutsIt) {
    const AlignmentCase& c = GetParam();
    const QPoint at(200, 150);
    Draw([&](DrawContext& dc) {
        dc.SelectFont({24, 400, false, false, "DejaVu Sans", c.escapement});
        dc.SetTextAlign(c.align);
        dc.DrawText({at.x(), at.y()}, "Label 10");
    });
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    ExpectSide(c.x, ink.left(), ink.right(), at.x(), "x");
    ExpectSide(c.y, ink.top(), ink.bottom(), at.y(), "y");
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, QtDrawContextAlignmentTest,
    testing::Values(
        AlignmentCase{
            "LeftTop", {HorizontalAlign::Left, VerticalAlign::Top}, 0, Side::After, Side::After},
        AlignmentCase{"RightBottom",
                      {HorizontalAlign::Right, VerticalAlign::Bottom},
                      0,
                      Side::Before,
                      Side::Before},
        AlignmentCase{"CentreBaseline",
                      {HorizontalAlign::Center, VerticalAlign::Baseline},
                      0,
                      Side::Centred,
                      Side::StandingOn},
        // Turned to read upwards, the text runs up from the point and, with its top at the
        // point, lies to the right of it.
        AlignmentCase{"LeftTopTurnedUp",
                      {HorizontalAlign::Left, VerticalAlign::Top},
                      900,
                      Side::After,
                      Side::Before}),
    [](const testing::TestParamInfo<AlignmentCase>& info) { return info.param.name; });

TEST_F(QtDrawContextTest, ExclusiveOrLineShowsOnWhiteAndDrawnAgainRestoresThePicture) {
    Draw([](DrawContext& dc) {
        dc.SelectBrush(Rgb(0, 128, 255));
        dc.Ellipse({50, 50, 150, 150});
    });
    const QImage before = image;
    const Pen band{PenStyle::Solid, 1, kBlack, true};
    const auto line = [&](DrawContext& dc) {
        dc.SelectPen(band);
        dc.MoveTo({10, 100});
        dc.LineTo({390, 100});
        dc.LineTo({390, 20});
    };
    Draw(line);
    EXPECT_EQ(image.pixelColor(300, 100), Qt::black);
    EXPECT_NE(image.pixelColor(100, 100), before.pixelColor(100, 100));
    Draw(line);
    EXPECT_EQ(image, before);
}

TEST_F(QtDrawContextTest, RestoreBringsBackPenAndClipOfTheSave) {
    Draw([](DrawContext& dc) {
        dc.SaveState();
        dc.SelectPen({PenStyle::Solid, 1, Rgb(255, 0, 0), false});
        dc.SetClipRect({0, 0, 100, 100});
        dc.RestoreState();
        dc.MoveTo({0, 200});
        dc.LineTo({400, 200});
    });
    EXPECT_EQ(image.pixelColor(300, 200), Qt::black);
}

}  // namespace
}  // namespace tapwright
