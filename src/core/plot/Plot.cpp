#include "plot/Plot.h"

#include <algorithm>
#include <cmath>

#include "numtext/NumString.h"
#include "platform/UserInterface.h"
#include "plot/FontDlg.h"
#include "plot/PlotRenderer.h"

namespace tapwright {

namespace {

// Pixel positions of values far outside the plot are kept within this distance, so that they
// stay valid integers for the device; NaN lands on the edge the mapping starts from.
constexpr double kFarthestPixel = 1e8;

double Bounded(double offset) {
    return std::isnan(offset) ? 0.0 : std::clamp(offset, -kFarthestPixel, kFarthestPixel);
}

// Repeated additions land a hair beyond the last line; this much past the end still counts.
constexpr double kEndTolerance = 1e-9;

// More lines than this in one call are never told apart on any device.
constexpr int kMostTicLines = 100000;

// The smallest and largest value: the first sets both, each later one lowers the minimum or
// else raises the maximum. An empty series changes nothing.
void FindExtremes(const CDoubleArray& values, double& minimum, double& maximum) {
    for (std::int32_t i = 0; i < values.GetSize(); ++i) {
        if (i == 0) {
            minimum = maximum = values[0];
        } else if (values[i] < minimum) {
            minimum = values[i];
        } else if (values[i] > maximum) {
            maximum = values[i];
        }
    }
}

void WidenRange(const CDoubleArray& values, double& minimum, double& maximum) {
    for (std::int32_t i = 0; i < values.GetSize(); ++i) {
        if (values[i] < minimum) {
            minimum = values[i];
        } else if (values[i] > maximum) {
            maximum = values[i];
        }
    }
}

}  // namespace

void PlotSeries::Clear() {
    x.SetSize(0);
    y.SetSize(0);
    y2.SetSize(0);
    groupSizes.clear();
}

CPlot::CPlot() {
    gridPen_ = Pen{PenStyle::Dashed, 1, Rgb(160, 160, 160)};
    axisPen_ = Pen{PenStyle::Solid, 1, kBlack};
    font_.height = 20;
    font_.weight = 700;
    font_.faceName = "Arial";
    xState_.minimum = 0.0;
    xState_.maximum = 100.0;
    xState_.labelSpacing = 50.0;
    xState_.ticSpacing = 10.0;
    yState_.minimum = -1.0;
    yState_.maximum = 1.0;
    yState_.labelSpacing = 0.2;
    yState_.ticSpacing = 0.1;
}

void CPlot::OnUpdate(CView*, std::uint32_t, CDataSet*) {
    ClearSeries();
    Invalidate();
}

PlotWarnings CPlot::OnDraw(DrawContext& dc) {
    return PlotRenderer(*this, dc).Draw();
}

void CPlot::ApplyAxisSettings() {}

PlotWarnings CPlot::GetDataRange() {
    FindExtremes(series_.x, xState_.minimum, xState_.maximum);
    FindExtremes(series_.y, yState_.minimum, yState_.maximum);
    WidenRange(series_.y2, yState_.minimum, yState_.maximum);
    return {};
}

void CPlot::OnDrawDone(DrawContext&) {
    Ui().ShowStatus("Ready");
}

void CPlot::ExtractData(int&) {}

bool CPlot::HasData() const {
    return false;
}

UnitLabel CPlot::XAxisUnit(int powerOfTen) const {
    return {"", powerOfTen};
}

UnitLabel CPlot::YAxisUnit(int powerOfTen) const {
    return {"", powerOfTen};
}

void CPlot::SetMappings() {
    xState_.originValue = 0.0;
    yState_.originValue = 0.0;
    if (xState_.log) {
        if (xState_.minimum == 0.0) {
            xState_.minimum = xState_.maximum * 0.01;
        }
        xStart_ = std::log10(xState_.minimum);
        xScale_ = 1.0 / (std::log10(xState_.maximum) - xStart_);
    } else {
        xStart_ = xState_.minimum;
        xScale_ = 1.0 / (xState_.maximum - xState_.minimum);
    }
    if (yState_.log) {
        yStart_ = std::log10(yState_.minimum);
        yScale_ = 1.0 / (std::log10(yState_.maximum) - yStart_);
    } else {
        yStart_ = yState_.minimum;
        yScale_ = 1.0 / (yState_.maximum - yState_.minimum);
    }
}

int CPlot::XToPixel(double value) const {
    if (xState_.log) {
        if (value <= 0.0) {
            return layout_.left;
        }
        value = std::log10(value);
    }
    const double offset = layout_.width * ((value - xStart_) * xScale_) + 0.001;
    return static_cast<int>(Bounded(offset)) + layout_.left;
}

int CPlot::YToPixel(double value) const {
    if (yState_.log) {
        if (value <= 0.0) {
            return layout_.bottom;
        }
        value = std::log10(value);
    }
    const double offset = layout_.height * ((value - yStart_) * yScale_);
    return static_cast<int>(std::lround(layout_.bottom - Bounded(offset)));
}

double CPlot::PixelToX(int column) const {
    const double value = (column - layout_.left) / xScale_ / layout_.width + xStart_;
    return xState_.log ? std::pow(10.0, value) : value;
}

double CPlot::PixelToY(int row) const {
    const double value = (layout_.bottom - row) / yScale_ / layout_.height + yStart_;
    return yState_.log ? std::pow(10.0, value) : value;
}

void CPlot::DrawTicLines(DrawContext& dc, const Pen& pen, bool log, bool vertical, double from,
                         double to, double step, int c1, int c2) const {
    if (!(step > 0.0)) {
        return;
    }
    const PenGuard selected(dc, pen);
    int lines = 0;
    const auto drawAt = [&](double v) {
        if (vertical) {
            const int column = XToPixel(v);
            dc.MoveTo({column, c1});
            dc.LineTo({column, c2});
        } else {
            const int row = YToPixel(v);
            dc.MoveTo({c1, row});
            dc.LineTo({c2, row});
        }
        ++lines;
    };

    if (!log) {
        const double last = to + step * kEndTolerance;
        for (double v = from; v <= last && lines < kMostTicLines; v += step) {
            drawAt(v);
            if (!(v + step > v)) {
                break;  // the step is lost in the magnitude of the values
            }
        }
        return;
    }

    // A log axis whose bounds are not both positive has no decades to mark.
    if (!(from > 0.0) || !(to > 0.0)) {
        return;
    }
    from = PowerOfTenFloor(from * 1.0001);
    to = PowerOfTenFloor(to * 1.0001);
    const double last = to * (1.0 + kEndTolerance);
    if (step >= 1.0) {
        const double factor = std::pow(10.0, std::floor(step + 0.001));
        for (double v = from; v <= last && lines < kMostTicLines; v *= factor) {
            drawAt(v);
        }
        return;
    }
    // Fractions of a decade: equal steps within each decade, restarting at every power of ten.
    double decade = from * 10.0;
    double increment = decade * step;
    for (double v = from; v <= last && lines < kMostTicLines;) {
        drawAt(v);
        v += increment;
        if (v * 1.0001 >= decade) {
            v = PowerOfTenFloor(v * 1.0001);
            decade = v * 10.0;
            increment = decade * step;
        }
    }
}

void CPlot::OnStyle(PlotStyle style) {
    style_ = style;
    Invalidate();
}

void CPlot::OnFont() {
    CFontDlg dialog(font_);
    if (!Ui().Run(dialog)) {
        return;
    }
    // The chosen size becomes a factor on the automatic height, so that the font keeps its
    // size relative to the window when the window is resized.
    const int oldHeight = font_.height;
    const int newHeight = dialog.font.height;
    if (oldHeight != 0 && newHeight != 0) {
        fontScale_ = std::fabs(static_cast<double>(newHeight) * fontScale_ / oldHeight);
    }
    font_ = dialog.font;
    ClearSeries();
    Invalidate();
}

}  // namespace tapwright
