#pragma once

#include <QRect>
#include <QSize>

#include <optional>

class QMdiArea;

namespace tapwright::gui {

// Where project windows go in the main window's work area. Every window stays inside the
// area: a window the user cannot see the buttons of is no use. A window with a size of its
// own (a specification form) keeps that size wherever the area allows it; the others (plots,
// the text editor) take a share of the area.
class FramePlacement {
public:
    // The share of the area's width and height a window without a size of its own takes.
    static constexpr double kShare = 0.6;
    // A window goes beside or below another when at least this share of the area's width
    // or height is free there.
    static constexpr double kBesideShare = 0.3;

    // room: the area's size; step: the offset between cascaded windows (a title bar's
    // height).
    FramePlacement(QSize room, int step) : room_(room), step_(step) {}

    // The size a window takes: its own (natural) size, or an invalid size for a share of the
    // area; never larger than the area.
    QSize SizeFor(QSize natural) const;

    // Moves the rectangle up and left until it lies inside the area, shrinking it only where
    // it is larger than the area.
    QRect KeptInside(QRect rect) const;

    // A new window beside the window the user works in (current) when there is room to its
    // right, else below it, else a title bar's height down and right of it; with no current
    // window, in the top left corner.
    QRect NewFrame(const std::optional<QRect>& current, QSize natural) const;

    // The place of the window at the position in a cascade, each a title bar's height down
    // and right of the one before, starting again at the top left where it would leave
    // the area.
    QRect Cascaded(int position, QSize natural) const;

private:
    QSize room_;
    int step_;
};

// The Window menu's "Cascade": the open windows of the area, oldest first, one over the
// other, the forms at their own size.
void CascadeFrames(QMdiArea& area);

// The placement for an area, with its title bar height as the cascade step.
FramePlacement PlacementFor(const QMdiArea& area);

}  // namespace tapwright::gui
