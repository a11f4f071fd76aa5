#include "plot/PlotRenderer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr Color kFirstSeriesColor = Rgb(255, 0, 0);
constexpr Color kSecondSeriesColor = Rgb(0, 0, 255);
constexpr int kRotatedText = 900;  // tenths of a degree: bottom to top

// Screen fonts are 4 % of the shorter side of the window, printed ones 3 % of the page.
constexpr int kScreenFontFactor = 4;
constexpr int kPrinterFontFactor = 3;

constexpr const char* kTooManyTicsMessage =
    "Tic increment will result in too many tics.\nTwo tics per label will be made.";

int Truncated(double value) {
    return static_cast<int>(std::clamp(value, -1e8, 1e8));
}

}  // namespace

GridLines GridSpacing(const PlotAxisState& axis) {
    switch (axis.gridMode) {
        case GridMode::OnTicMarks:
            if (!axis.log && axis.labelSpacing / axis.ticSpacing > 10.001) {
                return {axis.labelSpacing * 0.5, PlotWarning{kTooManyTicsMessage}};
            }
            return {axis.ticSpacing, std::nullopt};
        case GridMode::OnLabels:
            return {axis.labelSpacing, std::nullopt};
        case GridMode::None:
        case GridMode::OnZero:
            break;
    }
    return {};
}

PlotWarnings PlotRenderer::Draw() {
    if (!plot_.HasData()) {
        return warnings_;
    }
    const WaitCursor busy;
    Ui().ShowStatus("Drawing...");
    const DrawStateGuard state(dc_);
    dc_.SelectPen(kDefaultPen);

    ChooseRectangle();
    dc_.SetTextAlign({HorizontalAlign::Center, VerticalAlign::Baseline});
    dc_.SetTextColor(dc_.WindowTextColor());
    SelectTitleFont();

    if (plot_.series_.IsEmpty()) {
        Ui().ShowStatus("Getting data range...");
        warnings_.Add(plot_.GetDataRange());
    }
    plot_.SetMappings();
    BuildAxisLabels();
    LayOut();
    if (plot_.series_.IsEmpty()) {
        Ui().ShowStatus("Extracting graph data...");
        plot_.ExtractData(layout_.width);
        layout_.width = std::max(layout_.width, 1);
    }
    Ui().ShowStatus("Drawing graph...");

    DrawTitles();
    DrawGrid();
    SelectLabelFont();
    DrawXAxis();
    DrawYAxis();
    DrawAllSeries();
    plot_.OnDrawDone(dc_);
    return warnings_;
}

void PlotRenderer::ChooseRectangle() {
    if (!dc_.IsPrinting()) {
        rect_ = plot_.GetClientRect();
        fontFactor_ = kScreenFontFactor;
        return;
    }
    const Size page = dc_.Resolution();
    rect_ = Rect{0, 0, page.width, page.height};
    fontFactor_ = kPrinterFontFactor;
    if (plot_.polar_) {
        const int side = std::min(page.width, page.height);
        rect_.right = side;
        rect_.bottom = side;
    }
}

std::optional<FontDescription> PlotRenderer::SelectPlotFont(int height, int escapement) {
    FontDescription wanted = plot_.font_;
    wanted.height = std::max(height, 1);
    wanted.escapement = escapement;
    return dc_.SelectFont(wanted);
}

int PlotRenderer::MeasureTextHeight(const std::string& text) const {
    return dc_.MeasureText(text).height;
}

void PlotRenderer::SelectTitleFont() {
    baseFontHeight_ = Truncated(std::min(rect_.Width(), rect_.Height()) * fontFactor_ * 0.01);
    const int height = Truncated(baseFontHeight_ * plot_.fontScale_ + 0.5);
    plot_.font_.height = height;
    if (const auto made = SelectPlotFont(height, 0)) {
        plot_.font_ = *made;
    }
    layout_.textHeight = MeasureTextHeight("Bq");
}

// The unit takes its share of the power of ten, and the title shows what is left. The power
// of the settings stays as it is, so that every drawing, whether it extracts the data anew
// or not, labels the axis alike.
std::vector<CPlotLabel> PlotRenderer::LabelsInUnit(PlotAxisState& axis, const UnitLabel& unit) {
    int leftOver = unit.exponent;
    AxisLabels built = BuildLabels(axis.minimum, axis.maximum, axis.labelSpacing, leftOver,
                                   axis.decimalDigits, axis.log, axis.powerOfTen - unit.exponent);
    axis.titlePower = leftOver;
    if (built.warning) {
        warnings_.Add(*built.warning);
    }
    return std::move(built.labels);
}

void PlotRenderer::BuildAxisLabels() {
    PlotAxisState& x = plot_.xState_;
    PlotAxisState& y = plot_.yState_;
    plot_.xLabels_ = LabelsInUnit(x, plot_.XAxisUnit(x.powerOfTen));
    plot_.yLabels_ = LabelsInUnit(y, plot_.YAxisUnit(y.powerOfTen));

    extents_ = LabelExtents{};
    for (const auto& label : plot_.xLabels_) {
        const Size size = dc_.MeasureText(label.text);
        extents_.widestX = std::max(extents_.widestX, size.width);
        extents_.tallestX = std::max(extents_.tallestX, size.height);
    }
    for (const auto& label : plot_.yLabels_) {
        extents_.widestY = std::max(extents_.widestY, dc_.MeasureText(label.text).width);
    }
}

void PlotRenderer::LayOut() {
    const PlotTitles& titles = plot_.titles_;
    const int th = layout_.textHeight;
    const int mainHeight = titles.main.empty() ? 0 : MeasureTextHeight(titles.main);
    int xTitleHeight = titles.x.empty() ? 0 : MeasureTextHeight(titles.x);
    if (titles.x.empty() && plot_.xState_.titlePower != 0) {
        xTitleHeight = th;  // the title line still shows the power of ten
    }
    const int wy = extents_.widestY;
    const int belowArea = xTitleHeight + th / 2 + extents_.tallestX;

    layout_.left = rect_.left + wy + 3 * th;
    // A window too small for titles and labels still gets a plot area of one pixel, so that
    // the mapping between values and pixels stays defined.
    layout_.width = std::max(rect_.right - wy - 3 * th - extents_.widestX - rect_.left, 1);
    layout_.height = std::max(rect_.bottom - (mainHeight + th) - belowArea - rect_.top, 1);
    if (plot_.polar_) {
        MakePolarAreaSquare();
    }
    layout_.bottom = rect_.top + mainHeight + th + layout_.height;
    layout_.ticLength = th / 4;
}

// Narrows the plot area so that one unit is equally long on both axes of the device.
void PlotRenderer::MakePolarAreaSquare() {
    const PlotAxisState& x = plot_.xState_;
    const PlotAxisState& y = plot_.yState_;
    const double xSpan = x.maximum - x.minimum;
    const double ySpan = y.maximum - y.minimum;
    if (!(xSpan > 0.0) || !(ySpan > 0.0)) {
        return;
    }
    const Size aspect = dc_.Aspect();
    const double sx = layout_.width / xSpan;
    const double sy = layout_.height / ySpan;
    if (aspect.height * sy < aspect.width * sx) {
        layout_.width = static_cast<int>(std::lround(std::min<double>(layout_.width, xSpan * sy)));
    } else {
        layout_.height =
            static_cast<int>(std::lround(std::min<double>(layout_.height, ySpan * sx)));
    }
    layout_.width = std::max(layout_.width, 1);
    layout_.height = std::max(layout_.height, 1);
}

void PlotRenderer::DrawTitle(Point at, const std::string& title, int powerOfTen) {
    std::string text = title;
    if (powerOfTen != 0) {
        text += " * 10^" + std::to_string(powerOfTen);
    }
    if (!text.empty()) {
        dc_.DrawText(at, text);
    }
}

void PlotRenderer::DrawTitles() {
    const PlotTitles& titles = plot_.titles_;
    const int th = layout_.textHeight;
    const int centre = layout_.left + layout_.width / 2;
    DrawTitle({centre, layout_.bottom - layout_.height - th}, titles.main, 0);
    DrawTitle({centre, layout_.bottom + 2 * th}, titles.x, plot_.xState_.titlePower);
    SelectPlotFont(plot_.font_.height, kRotatedText);
    DrawTitle({rect_.left + th, layout_.bottom - layout_.height / 2 - th / 2}, titles.y,
              plot_.yState_.titlePower);
}

double PlotRenderer::GridSpacingOf(const PlotAxisState& axis) {
    const GridLines grid = GridSpacing(axis);
    if (grid.warning) {
        warnings_.Add(*grid.warning);
    }
    return grid.spacing;
}

void PlotRenderer::DrawGrid() {
    const PlotAxisState& x = plot_.xState_;
    const PlotAxisState& y = plot_.yState_;
    const double xSpacing = GridSpacingOf(x);
    if (xSpacing > 0.0) {
        plot_.DrawTicLines(dc_, plot_.gridPen_, x.log, true, x.minimum, x.maximum, xSpacing,
                           layout_.bottom - 1, plot_.YToPixel(y.maximum));
    }
    const double ySpacing = GridSpacingOf(y);
    if (ySpacing > 0.0) {
        plot_.DrawTicLines(dc_, plot_.gridPen_, y.log, false, y.minimum, y.maximum, ySpacing,
                           layout_.left + 1, plot_.XToPixel(x.maximum));
    }
}

// Labels shrink when one label interval is too narrow for the widest X label.
void PlotRenderer::SelectLabelFont() {
    const PlotAxisState& x = plot_.xState_;
    // The pixel width of one label interval. On a log axis the interval is measured from the
    // axis minimum, since a fixed value such as 1 may lie far outside the axis.
    const int interval = x.log ? plot_.XToPixel(x.minimum * std::pow(10.0, x.labelSpacing)) -
                                     plot_.XToPixel(x.minimum)
                               : plot_.XToPixel(x.labelSpacing) - plot_.XToPixel(0.0);
    const int widest = extents_.widestX;
    int height = baseFontHeight_;
    if (widest > 0 && !(interval > 1.2 * widest)) {
        height = Truncated(interval * baseFontHeight_ / 1.2 / widest + 0.5);
    }
    SelectPlotFont(Truncated(height * plot_.fontScale_ + 0.5), 0);
    layout_.textHeight = MeasureTextHeight("Bq");
}

void PlotRenderer::DrawXAxis() {
    const PlotAxisState& x = plot_.xState_;
    const PlotAxisState& y = plot_.yState_;
    const int bottom = layout_.bottom;
    const int tic = layout_.ticLength;
    dc_.MoveTo({layout_.left, bottom});
    dc_.LineTo({layout_.left + layout_.width, bottom});
    if (!y.log && y.minimum <= y.originValue && y.originValue <= y.maximum) {
        const int row = plot_.YToPixel(y.originValue);
        dc_.MoveTo({plot_.XToPixel(x.minimum), row});
        dc_.LineTo({plot_.XToPixel(x.maximum), row});
    }
    if (x.ticSpacing > 0.0) {
        plot_.DrawTicLines(dc_, plot_.axisPen_, x.log, true, x.minimum, x.maximum, x.ticSpacing,
                           bottom - tic, bottom + tic);
    }
    if (x.labelSpacing > 0.0) {
        for (const auto& label : plot_.xLabels_) {
            const int column = plot_.XToPixel(label.position);
            dc_.DrawText({column, bottom + layout_.textHeight}, label.text);
            dc_.MoveTo({column + 1, bottom - tic});
            dc_.LineTo({column + 1, bottom + tic});
        }
    }
}

void PlotRenderer::DrawYAxis() {
    const PlotAxisState& x = plot_.xState_;
    const PlotAxisState& y = plot_.yState_;
    const int left = layout_.left;
    const int tic = layout_.ticLength;
    dc_.MoveTo({left, layout_.bottom});
    dc_.LineTo({left, layout_.bottom - layout_.height});
    if (!x.log && x.minimum <= x.originValue && x.originValue <= x.maximum) {
        const int column = plot_.XToPixel(x.originValue);
        dc_.MoveTo({column, plot_.YToPixel(y.minimum)});
        dc_.LineTo({column, plot_.YToPixel(y.maximum)});
    }
    if (y.ticSpacing > 0.0) {
        plot_.DrawTicLines(dc_, plot_.axisPen_, y.log, false, y.minimum, y.maximum, y.ticSpacing,
                           left - tic, left + tic);
    }
    dc_.SetTextAlign({HorizontalAlign::Right, VerticalAlign::Bottom});
    if (y.labelSpacing > 0.0) {
        const int th = layout_.textHeight;
        for (const auto& label : plot_.yLabels_) {
            const int row = plot_.YToPixel(label.position);
            dc_.DrawText({left - th, row + th / 2}, label.text);
            dc_.MoveTo({left - tic, row - 1});
            dc_.LineTo({left + tic, row - 1});
        }
    }
}

void PlotRenderer::DrawAllSeries() {
    const PlotSeries& series = plot_.series_;
    dc_.SetClipRect({layout_.left - 2, layout_.bottom - layout_.height - 2,
                     layout_.left + layout_.width + 2, layout_.bottom + 2});
    if (plot_.polar_) {
        DrawSeries(series.y, series.y2, kFirstSeriesColor);
    } else {
        DrawSeries(series.x, series.y, kFirstSeriesColor);
        if (series.y2.GetSize() > 0) {
            DrawSeries(series.x, series.y2, kSecondSeriesColor);
        }
    }
    dc_.ClearClip();
}

void PlotRenderer::DrawSeries(const CDoubleArray& xs, const CDoubleArray& ys, Color color) {
    const std::int32_t count = std::min(xs.GetSize(), ys.GetSize());
    if (count == 0) {
        return;
    }
    const PenGuard pen(dc_, Pen{PenStyle::Solid, 1, color});
    const Color previousBrush = dc_.SelectBrush(color);
    const PlotStyle style = plot_.style_;
    const int barBase = plot_.originAtZero_ ? plot_.YToPixel(0.0) : layout_.bottom - 1;

    dc_.MoveTo({plot_.XToPixel(xs[0]), plot_.YToPixel(ys[0])});
    for (std::int32_t i = 0; i < count; ++i) {
        const Point p{plot_.XToPixel(xs[i]), plot_.YToPixel(ys[i])};
        switch (style) {
            case PlotStyle::Line:
                dc_.LineTo(p);
                break;
            case PlotStyle::Dot:
                dc_.Ellipse({p.x - 2, p.y - 2, p.x + 2, p.y + 2});
                break;
            case PlotStyle::LineAndDot:
                dc_.LineTo(p);
                dc_.Ellipse({p.x - 2, p.y - 2, p.x + 2, p.y + 2});
                break;
            case PlotStyle::Bar:
                dc_.MoveTo({p.x, barBase});
                dc_.LineTo(p);
                break;
        }
    }
    dc_.SelectBrush(previousBrush);
}

}  // namespace tapwright
