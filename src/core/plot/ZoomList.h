#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "plot/Axis.h"

namespace tapwright {

// One saved view of a graph: the X range it showed and both axis records as they were.
struct CZoomLevel {
    double xMinimum = 0.0;
    double xMaximum = 0.0;
    CAxis xAxis;
    CAxis yAxis;
};

// The visible range of one axis.
struct AxisSpan {
    double minimum = 0.0;
    double maximum = 0.0;

    bool operator==(const AxisSpan&) const = default;
};

// One notch of the mouse wheel (or one key press) shows this fraction of the span.
inline constexpr double kZoomStepFactor = 0.8;
// An arrow key moves the view by this fraction of its span.
inline constexpr double kPanStepFraction = 0.1;

// The span shown after zooming by a factor (below 1 zooms in) about a value, which keeps
// its place: it lies the same fraction of the way across before and after. A log axis
// zooms in decades. An anchor that a log axis cannot place (0 or below) zooms about the
// middle.
AxisSpan ZoomSpanAbout(AxisSpan span, double anchor, double factor, bool log);

// The span moved by a fraction of its width, toward larger values when positive; a log
// axis moves in decades.
AxisSpan ShiftSpan(AxisSpan span, double fraction, bool log);

// The span moved so that the value shown at a place becomes the wanted value there.
AxisSpan MoveValueTo(AxisSpan span, double shown, double wanted, bool log);

// The span kept inside the limits: moved back inside when it overhangs, and cut to them
// when it is wider.
AxisSpan KeepWithin(AxisSpan span, AxisSpan limits);

// The zoom factor of a turn of the wheel in notches, forward (positive) zooming in.
double WheelZoomFactor(double notches);

// Where a zoom command moves: Next goes one level in, or back to the top from the last one.
enum class ZoomMove { Next, Top, In, Out, Bottom };

// The saved zoom levels of a graph and the current one. Mouse zooms append the view they
// leave; the first navigation also keeps the live view as the last entry ("pushed live"),
// so that Zoom Bottom can return to it. A new zoom from the middle drops the levels after
// the current one.
class CZoomList {
public:
    // A graph refuses to zoom further once the list holds this many levels.
    static constexpr std::size_t kMaxLevels = 1000000;

    // Drops the levels after the current one, and the current one too when it is the live
    // view; then appends the level, which becomes current, and clears the live flag.
    void Push(CZoomLevel level);

    // Before a navigation: keeps the live view as the last entry unless it already is one.
    // When the current entry shows the live X range, it takes the live axis records instead,
    // so that axis edits made at that level stay with it.
    void RecordLiveState(const CZoomLevel& live);

    // Moves the current position; the list must not be empty. Moves beyond either end stop
    // at that end.
    void Move(ZoomMove move);

    void Clear();

    bool IsEmpty() const { return levels_.empty(); }
    bool IsFull() const { return levels_.size() >= kMaxLevels; }
    std::size_t Size() const { return levels_.size(); }
    bool IsPushedLive() const { return pushedLive_; }

    // The current level; the list must not be empty.
    const CZoomLevel& Current() const { return levels_[current_]; }

    // The count and position the user is shown: the live entry is not counted, and the
    // first entry is the top level 0 only once the live view has been kept.
    int CountShown() const;
    int PositionShown() const;

    bool IsAtTop() const;
    bool IsAtBottom() const;

    // "Ready" without levels, "Top Level" at position 0, else "Zoom Level 2 of 3".
    std::string StatusText() const;

private:
    bool CurrentIsLast() const { return current_ + 1 == levels_.size(); }

    std::vector<CZoomLevel> levels_;
    std::size_t current_ = 0;  // meaningful only while the list is not empty
    bool pushedLive_ = false;
};

}  // namespace tapwright
