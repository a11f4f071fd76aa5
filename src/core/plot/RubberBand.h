#pragma once

#include <array>

#include "platform/DrawContext.h"

namespace tapwright {

// What a press starts and what a release amounts to.
enum class BandMode {
    Idle = 0,       // no press is being tracked
    Nothing = 1,    // the release does nothing
    Click = 2,      // a point readout
    XRange = 3,     // a zoom of the X range between two vertical markers
    YRange = 4,     // a zoom of the Y range between two horizontal markers
    Rectangle = 5,  // a zoom of both ranges to the dragged rectangle
};

// The outcome of a release: what to do and the rectangle in device pixels it applies to.
struct BandRelease {
    BandMode mode = BandMode::Nothing;
    Rect rectangle;
};

// Tracks the mouse over a plot while the left button is held: vertical markers for a drag
// above or below the plot, horizontal markers for a drag beside it, and a rectangle for a
// drag inside it. The band only keeps what is shown; the widget paints it over the plot
// with the band's pen, as exclusive-or marks: a marker put again on its own column (row)
// takes it away. Vertical markers run from the top to the bottom of the bounds,
// horizontal ones from the left to the right.
class CRubberBand {
public:
    static constexpr int kNone = -1;
    // The smallest drag that zooms rather than counting as a click or as nothing.
    static constexpr int kMinZoomWidth = 10;
    static constexpr int kMinZoomHeight = 5;

    // Starts a drag: erases the old marks, classifies the press against the plot bounds,
    // and anchors the band at the press clamped into them.
    void Press(Point point, const Rect& bounds);

    // Follows the pointer while a drag is tracked; the point is clamped into the bounds.
    void Move(Point point);

    // Ends the drag at the point: works out what it amounts to and erases every mark.
    BandRelease Release(Point point);

    // Back to idle, without marks or bounds (after the plot has been drawn again).
    void Reset();

    // Erases all marks but keeps tracking state and bounds.
    void EraseMarks();

    // Puts a vertical (horizontal) marker on a column (row), or takes it away when that
    // column already has one. There are two slots; with both in use nothing changes.
    void ToggleVerticalMarker(int column);
    void ToggleHorizontalMarker(int row);

    bool IsTracking() const { return tracking_; }
    BandMode PressMode() const { return pressMode_; }
    BandMode FinalMode() const { return finalMode_; }
    // All kNone while idle.
    const Rect& Bounds() const { return bounds_; }
    Point Anchor() const { return anchor_; }
    // Columns (rows) of the two marker slots, kNone for an empty slot.
    const std::array<int, 2>& VerticalMarkers() const { return columns_; }
    const std::array<int, 2>& HorizontalMarkers() const { return rows_; }
    // The rectangle shown, with left <= right and top <= bottom; all kNone for none.
    const Rect& CurrentRectangle() const { return rectangle_; }
    bool HasRectangle() const { return rectangle_.left != kNone; }

    // Dotted, one pixel, black, combined with the picture by exclusive or.
    static constexpr Pen kPen{PenStyle::Dotted, 1, kBlack, true};

private:
    static constexpr Rect kNoRect{kNone, kNone, kNone, kNone};

    Point Clamped(Point point) const;
    BandMode Classify(Point point) const;
    BandRelease Outcome() const;

    bool tracking_ = false;
    BandMode pressMode_ = BandMode::Idle;
    BandMode finalMode_ = BandMode::Idle;
    Rect bounds_ = kNoRect;
    Point anchor_;
    std::array<int, 2> columns_{kNone, kNone};
    std::array<int, 2> rows_{kNone, kNone};
    Rect rectangle_ = kNoRect;
};

}  // namespace tapwright
