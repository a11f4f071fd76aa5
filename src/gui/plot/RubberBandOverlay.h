#pragma once

namespace tapwright {
class CRubberBand;
class DrawContext;
}  // namespace tapwright

namespace tapwright::gui {

// Paints what the rubber band shows over a picture of the plot, with the band's dotted
// exclusive-or pen: vertical markers from the top to the bottom of its bounds, horizontal
// markers from the left to the right, and the dragged rectangle's outline. The picture is
// painted anew underneath every time, so a mark the band no longer holds is simply gone.
void PaintRubberBand(const CRubberBand& band, DrawContext& dc);

}  // namespace tapwright::gui
