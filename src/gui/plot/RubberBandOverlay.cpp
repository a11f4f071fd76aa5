#include "gui/plot/RubberBandOverlay.h"

#include "platform/DrawContext.h"
#include "plot/RubberBand.h"

namespace tapwright::gui {

namespace {

void Line(DrawContext& dc, Point from, Point to) {
    dc.MoveTo(from);
    dc.LineTo(to);
}

}  // namespace

void PaintRubberBand(const CRubberBand& band, DrawContext& dc) {
    const Rect& bounds = band.Bounds();
    const PenGuard pen(dc, CRubberBand::kPen);
    for (const int column : band.VerticalMarkers()) {
        if (column != CRubberBand::kNone) {
            Line(dc, {column, bounds.top}, {column, bounds.bottom});
        }
    }
    for (const int row : band.HorizontalMarkers()) {
        if (row != CRubberBand::kNone) {
            Line(dc, {bounds.left, row}, {bounds.right, row});
        }
    }
    if (band.HasRectangle()) {
        // One closed outline: each side leaves out its end point, so no corner is drawn
        // twice by the exclusive-or pen.
        const Rect& r = band.CurrentRectangle();
        dc.MoveTo({r.left, r.top});
        dc.LineTo({r.right, r.top});
        dc.LineTo({r.right, r.bottom});
        dc.LineTo({r.left, r.bottom});
        dc.LineTo({r.left, r.top});
    }
}

}  // namespace tapwright::gui
