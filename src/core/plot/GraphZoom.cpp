// The interactive side of the graph: zoom levels, the rubber band and point readouts.
#include "plot/Graph.h"

#include <cmath>
#include <limits>
#include <utility>

#include "numtext/NumString.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr const char* kTooNarrowMessage = "Cannot zoom: horizontal range is too narrow.";

std::string Engineering(double value) {
    return CNumString(value, 3, Notation::Engineering).Text();
}

// The index of the point nearest to (x, y), distances measured in spans of the axes; the
// first of equal distances, and an exact hit ends the search.
struct Nearest {
    std::int32_t index = -1;
    double distance = std::numeric_limits<double>::infinity();
};

Nearest NearestIn(const CDoubleArray& xs, const CDoubleArray& ys, double x, double y, double xSpan,
                  double ySpan) {
    Nearest nearest;
    const std::int32_t count = std::min(xs.GetSize(), ys.GetSize());
    for (std::int32_t i = 0; i < count; ++i) {
        const double dx = (xs[i] - x) / xSpan;
        const double dy = (ys[i] - y) / ySpan;
        const double distance = dx * dx + dy * dy;
        if (distance < nearest.distance) {
            nearest = {i, distance};
            if (distance == 0.0) {
                break;
            }
        }
    }
    return nearest;
}

// Makes the axis show exactly the span, with the spacings an automatic axis would choose
// for it. The data range it was last given stays, so that the axis keeps the span while the
// data it shows still overlaps that range.
void FixAxis(CAxis& axis, AxisSpan span) {
    CAxis scaled;
    scaled.Autoscale(span.minimum, span.maximum, axis.log);
    axis.automatic = false;
    axis.minimum = span.minimum;
    axis.maximum = span.maximum;
    axis.labelSpacing = scaled.labelSpacing;
    axis.ticSpacing = scaled.ticSpacing;
    if (!axis.manualPower) {
        axis.powerOfTen = EngineeringExponent(axis.log ? axis.minimum : axis.labelSpacing);
    }
}

bool IsUsable(AxisSpan span) {
    return std::isfinite(span.minimum) && std::isfinite(span.maximum) &&
           span.maximum > span.minimum;
}

}  // namespace

// ---- Zoom levels ---------------------------------------------------------------------

void CGraph::OnDrawDone(DrawContext&) {
    rubberBand_.Reset();
    KeepAnchor();
    Ui().ShowStatus(zoomList_.StatusText());
}

void CGraph::KeepAnchor() {
    std::optional<Anchor> anchor = std::exchange(anchor_, std::nullopt);
    if (!anchor || anchor->corrections >= Anchor::kMostCorrections || !IsPlotAreaValid()) {
        return;
    }
    const AxisSpan x{XState().minimum, XState().maximum};
    const AxisSpan y{YState().minimum, YState().maximum};
    const double shownX = PixelToX(anchor->pixel.x);
    const double shownY = PixelToY(anchor->pixel.y);
    const PlotLayout& layout = Layout();
    // Within half a pixel the view is where it should be.
    const bool xMoved = anchor->keepX && std::fabs(shownX - anchor->x) * layout.width >
                                             (x.maximum - x.minimum) / 2.0;
    const bool yMoved = anchor->keepY && std::fabs(shownY - anchor->y) * layout.height >
                                             (y.maximum - y.minimum) / 2.0;
    if (XState().log || YState().log || !(xMoved || yMoved)) {
        return;
    }
    redrawRequested_ = ShowSpans(
        xMoved ? std::optional(MoveValueTo(x, shownX, anchor->x, false)) : std::nullopt,
        yMoved ? std::optional(MoveValueTo(y, shownY, anchor->y, false)) : std::nullopt, false);
    // The labels of the moved view may move the edges again; the next drawing checks.
    if (redrawRequested_) {
        ++anchor->corrections;
        anchor_ = anchor;
    }
}

bool CGraph::TakeRedrawRequest() {
    return std::exchange(redrawRequested_, false);
}

void CGraph::ResetZoom() {
    if (data_ != nullptr) {
        data_->UpdateRange();
    }
    zoomList_.Clear();
    forceRescale = true;
}

bool CGraph::IsZoomEnabled(ZoomMove move) const {
    switch (move) {
        case ZoomMove::Next:
            return !zoomList_.IsEmpty();
        case ZoomMove::Out:
        case ZoomMove::Top:
            return !zoomList_.IsEmpty() && !zoomList_.IsAtTop();
        case ZoomMove::In:
        case ZoomMove::Bottom:
            return !zoomList_.IsEmpty() && !zoomList_.IsAtBottom();
    }
    return false;
}

bool CGraph::IsZoomChecked(ZoomMove move) const {
    switch (move) {
        case ZoomMove::Top:
            return zoomList_.IsAtTop();
        case ZoomMove::Bottom:
            return zoomList_.IsAtBottom();
        default:
            return false;
    }
}

void CGraph::NavigateZoom(ZoomMove move) {
    if (!HasData()) {
        return;
    }
    if (zoomList_.IsEmpty()) {
        Ui().ShowStatus("Ready");
        return;
    }
    zoomList_.RecordLiveState({XState().minimum, XState().maximum, XAxis(), YAxis()});
    zoomList_.Move(move);
    const CZoomLevel& level = zoomList_.Current();
    XState().minimum = level.xMinimum;
    XState().maximum = level.xMaximum;
    XAxis() = level.xAxis;
    YAxis() = level.yAxis;
    if (!IsPolar() && !SetViewRange(level.xMinimum, level.xMaximum, false)) {
        return;
    }
    Repaint();
}

void CGraph::ZoomTo(const Rect& rectangle, bool zoomX, bool zoomY) {
    if (zoomList_.IsFull()) {
        return;
    }
    CZoomLevel leaving{XState().minimum, XState().maximum, XAxis(), YAxis()};
    if (zoomX) {
        double x1 = std::max(PixelToX(rectangle.left), XState().minimum);
        double x2 = std::min(PixelToX(rectangle.right), XState().maximum);
        if (XState().log && options_.zoomFullDecade && x1 > 0.0 && x2 > 0.0) {
            x1 = PowerOfTenFloor(x1);
            const double decade = PowerOfTenFloor(x2);
            if (decade != x2) {
                x2 = 10.0 * decade;
            }
        }
        if (IsPolar()) {
            // The polar axes show values, not samples: the data keeps its range.
            XAxis().automatic = true;
            XAxis().SetDataRange(x1, x2);
            XAxis().automatic = false;
        } else {
            if (!SetViewRange(x1, x2, false)) {
                Ui().ShowMessage(kTooNarrowMessage, MessageButtons::Ok, MessageIcon::Stop);
                return;
            }
            rescaleX = true;
            rescaleY = !zoomY;
        }
    }
    zoomList_.Push(std::move(leaving));
    if (zoomY) {
        YAxis().automatic = true;
        YAxis().SetDataRange(PixelToY(rectangle.bottom), PixelToY(rectangle.top));
        YAxis().automatic = false;
    }
    Repaint();
}

// ---- Navigation ------------------------------------------------------------------------

AxisSpan CGraph::FullXSpan() const {
    if (data_ == nullptr) {
        return {XState().minimum, XState().maximum};
    }
    // The range UpdateRange gives: all samples of time data, the positive half of a real
    // spectrum, both halves of a complex one.
    const std::int32_t n = data_->Inphase().GetNumPoints();
    std::int32_t first = 0;
    std::int32_t last = n - 1;
    if (!data_->IsTimeData()) {
        last = n / 2 - 1;
        first = data_->IsReal() ? 0 : -(n / 2);
    }
    return {data_->IndexToAxis(first), data_->IndexToAxis(std::max(last, 0))};
}

bool CGraph::ShowSpans(const std::optional<AxisSpan>& x, const std::optional<AxisSpan>& y,
                       bool saveLevel) {
    if (zoomList_.IsFull() || (x && !IsUsable(*x)) || (y && !IsUsable(*y))) {
        return false;
    }
    CZoomLevel leaving{XState().minimum, XState().maximum, XAxis(), YAxis()};
    if (x) {
        AxisSpan shown = *x;
        if (!IsPolar()) {
            shown = KeepWithin(shown, FullXSpan());
            // A span too narrow for the data stays as it was; a wheel says nothing.
            if (!IsUsable(shown) || !SetViewRange(shown.minimum, shown.maximum, false)) {
                return false;
            }
        }
        FixAxis(XAxis(), shown);
    }
    if (y) {
        FixAxis(YAxis(), *y);
    }
    // A rescale asked for before (by new data) would make the fixed axes automatic again.
    rescaleX = rescaleX && !x;
    rescaleY = rescaleY && !y;
    forceRescale = forceRescale && !(x && y);
    if (saveLevel) {
        zoomList_.Push(std::move(leaving));
    }
    Repaint();
    return true;
}

void CGraph::WheelZoom(Point at, double notches, bool zoomX, bool zoomY) {
    if (!HasData() || !IsPlotAreaValid() || notches == 0.0) {
        return;
    }
    const double factor = WheelZoomFactor(notches);
    std::optional<AxisSpan> x;
    std::optional<AxisSpan> y;
    if (zoomX) {
        x = ZoomSpanAbout({XState().minimum, XState().maximum}, PixelToX(at.x), factor,
                          XState().log);
    }
    if (zoomY) {
        y = ZoomSpanAbout({YState().minimum, YState().maximum}, PixelToY(at.y), factor,
                          YState().log);
    }
    const Anchor anchor{at, PixelToX(at.x), PixelToY(at.y), zoomX, zoomY};
    if (ShowSpans(x, y, true)) {
        anchor_ = anchor;
    }
}

void CGraph::BeginPan(Point at) {
    if (!HasData() || !IsPlotAreaValid()) {
        return;
    }
    rubberBand_.EraseMarks();
    panStart_ = PanStart{{at, PixelToX(at.x), PixelToY(at.y)},
                         {XState().minimum, XState().maximum},
                         {YState().minimum, YState().maximum}};
}

void CGraph::PanTo(Point at) {
    if (!panStart_ || !IsPlotAreaValid()) {
        return;
    }
    // The values follow the pointer: a drag to the right shows smaller X values, a drag
    // down larger Y values.
    const PlotLayout& layout = Layout();
    const Point from = panStart_->grabbed.pixel;
    const double xFraction = -static_cast<double>(at.x - from.x) / layout.width;
    const double yFraction = static_cast<double>(at.y - from.y) / layout.height;
    if (xFraction == 0.0 && yFraction == 0.0) {
        return;
    }
    const Anchor anchor{at, panStart_->grabbed.x, panStart_->grabbed.y};
    if (ShowSpans(ShiftSpan(panStart_->x, xFraction, XState().log),
                  ShiftSpan(panStart_->y, yFraction, YState().log), !panStart_->levelSaved)) {
        panStart_->levelSaved = true;
        anchor_ = anchor;
    }
}

void CGraph::EndPan() {
    panStart_.reset();
}

void CGraph::ZoomByStep(double notches) {
    const PlotLayout& layout = Layout();
    WheelZoom({layout.left + layout.width / 2, layout.bottom - layout.height / 2}, notches, true,
              true);
}

void CGraph::PanByStep(double xFraction, double yFraction) {
    if (!HasData() || !IsPlotAreaValid()) {
        return;
    }
    std::optional<AxisSpan> x;
    std::optional<AxisSpan> y;
    if (xFraction != 0.0) {
        x = ShiftSpan({XState().minimum, XState().maximum}, xFraction, XState().log);
    }
    if (yFraction != 0.0) {
        y = ShiftSpan({YState().minimum, YState().maximum}, yFraction, YState().log);
    }
    ShowSpans(x, y, true);
}

void CGraph::AutomaticAxes() {
    if (!HasData() || zoomList_.IsFull()) {
        return;
    }
    const AxisSpan full = FullXSpan();
    const bool showsAll =
        XAxis().automatic && YAxis().automatic &&
        (IsPolar() || zoomList_.IsEmpty() || AxisSpan{XState().minimum, XState().maximum} == full);
    if (showsAll) {
        return;
    }
    zoomList_.Push({XState().minimum, XState().maximum, XAxis(), YAxis()});
    if (!IsPolar()) {
        SetViewRange(full.minimum, full.maximum, false);
    }
    forceRescale = true;
    Repaint();
}

// ---- Reopening -------------------------------------------------------------------------

std::uint32_t CGraph::ReopenHint() const {
    return hint::kShowChannel + 16 * HintFieldOf(plotType_) + 256 * 3;
}

std::optional<ViewSpans> CGraph::ZoomedSpans() const {
    if (!HasData() || (XAxis().automatic && YAxis().automatic)) {
        return std::nullopt;
    }
    return ViewSpans{XAxis().minimum, XAxis().maximum, YAxis().minimum, YAxis().maximum};
}

void CGraph::RestoreSpans(const ViewSpans& spans) {
    if (HasData()) {
        ShowSpans(AxisSpan{spans.xMinimum, spans.xMaximum},
                  AxisSpan{spans.yMinimum, spans.yMaximum}, true);
    }
}

// ---- Mouse -----------------------------------------------------------------------------

bool CGraph::IsPlotAreaValid() const {
    const PlotLayout& layout = Layout();
    // The scales are the reciprocals of the axis spans, above 0 while the spans are.
    return layout.width > 0 && layout.height > 0 && XState().maximum > XState().minimum &&
           YState().maximum > YState().minimum;
}

void CGraph::OnLButtonDown(Point point) {
    if (!HasData() || !IsPlotAreaValid()) {
        return;
    }
    const Rect bounds{XToPixel(XState().minimum), YToPixel(YState().maximum),
                      XToPixel(XState().maximum), YToPixel(YState().minimum)};
    rubberBand_.Press(point, bounds);
}

void CGraph::OnMouseMove(Point point, bool leftButtonDown) {
    if (leftButtonDown && rubberBand_.IsTracking()) {
        rubberBand_.Move(point);
    }
}

void CGraph::OnLButtonUp(Point point) {
    if (!rubberBand_.IsTracking()) {
        return;
    }
    const BandRelease release = rubberBand_.Release(point);
    switch (release.mode) {
        case BandMode::Click:
            if (const std::optional<std::int32_t> index = NearestPoint(point)) {
                const PlotSeries& series = Series();
                // A polar point lies at its Inphase value across the plot.
                const double across = IsPolar() ? series.y[*index] : series.x[*index];
                rubberBand_.ToggleVerticalMarker(XToPixel(across));
                ShowPointReadout(*index);
            }
            break;
        case BandMode::XRange:
            ZoomTo(release.rectangle, true, false);
            break;
        case BandMode::YRange:
            ZoomTo(release.rectangle, false, true);
            break;
        case BandMode::Rectangle:
            ZoomTo(release.rectangle, true, true);
            break;
        default:
            break;
    }
}

bool CGraph::OnContextMenu() {
    if (!HasData()) {
        return false;
    }
    rubberBand_.EraseMarks();
    return true;
}

std::optional<std::int32_t> CGraph::NearestPoint(Point pixel) const {
    const PlotSeries& series = Series();
    if (series.IsEmpty() || series.y.GetSize() == 0) {
        return std::nullopt;
    }
    const double x = PixelToX(pixel.x);
    const double y = PixelToY(pixel.y);
    const double xSpan = XState().maximum - XState().minimum;
    const double ySpan = YState().maximum - YState().minimum;
    Nearest nearest;
    if (plotType_ == PlotType::IAndQAmplitudes && series.y2.GetSize() > 0) {
        const Nearest first = NearestIn(series.x, series.y, x, y, xSpan, ySpan);
        const Nearest second = NearestIn(series.x, series.y2, x, y, xSpan, ySpan);
        nearest = second.distance <= first.distance ? second : first;
    } else if (IsPolar()) {
        nearest = NearestIn(series.y, series.y2, x, y, xSpan, ySpan);
    } else if (Style() == PlotStyle::Bar) {
        nearest = NearestIn(series.x, series.y, x, y, xSpan, ySpan);
    } else {
        nearest.index = series.x.FindNearest(x);
    }
    if (nearest.index < 0) {
        return std::nullopt;
    }
    return nearest.index;
}

// ---- Readouts --------------------------------------------------------------------------

void CGraph::ShowPointReadout(std::int32_t index) {
    const PlotSeries& series = Series();
    if (data_ == nullptr || index < 0 || index >= series.x.GetSize()) {
        return;
    }
    const std::int32_t bin = data_->AxisToIndex(series.x[index]);
    if (readoutBin_ == bin) {
        readoutBin_.reset();
        Ui().ShowStatus(BinReadoutText(bin));
    } else {
        readoutBin_ = bin;
        Ui().ShowStatus(PointReadoutText(index, bin));
    }
}

std::string CGraph::PointReadoutText(std::int32_t index, std::int32_t bin) const {
    const PlotSeries& series = Series();
    std::string text = "X=" + Engineering(series.x[index]) + ", ";
    const double y = index < series.y.GetSize() ? series.y[index] : 0.0;
    if (index < series.y2.GetSize()) {
        text += "Y1=" + Engineering(y) + ", Y2=" + Engineering(series.y2[index]);
    } else {
        text += "Y=" + Engineering(y);
    }
    const std::size_t point = static_cast<std::size_t>(index);
    const std::int32_t groupSize = point < series.groupSizes.size() ? series.groupSizes[point] : 1;
    text += ", Width=" + Engineering(data_->IndexToAxis(groupSize));
    const std::string unit = data_->AxisUnit();
    if (!unit.empty()) {
        text += " " + unit;
    }
    return text + ", Max Bin=" + std::to_string(bin);
}

std::string CGraph::BinReadoutText(std::int32_t bin) const {
    const auto [inphase, quadrature] = SampleAt(bin).value_or(std::pair{0.0, 0.0});
    const double power = inphase * inphase + quadrature * quadrature;
    std::string magnitude;
    if (options_.magnitudeInDb && !data_->IsTimeData()) {
        magnitude = CNumString(data_->ToDb(power, true), 2, Notation::Fixed).Text() + " " +
                    data_->GetDbLabel();
    } else {
        magnitude = CNumString(std::sqrt(power), 2, Notation::Fixed).Text();
    }
    const double phase = QuantityOfSample(RangeQuantity::Phase, inphase, quadrature);
    return "Bin " + std::to_string(bin) + ": I=" + Engineering(inphase) +
           ", Q=" + Engineering(quadrature) + ", Mag=" + magnitude +
           ", Phase=" + Engineering(phase) + " deg";
}

}  // namespace tapwright
