#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/DrawContext.h"
#include "platform/FrameFactory.h"
#include "platform/View.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The first project version whose windows record keeps each frame's state and the format a
// coefficient editor shows.
inline constexpr int kWindowStateVersion = 7;

// One open window of a project as the project file keeps it: its kind, what it shows (the
// hint that opens a window showing the same), where its frame is, the ranges a zoomed plot
// shows, whether the frame is maximised or minimised, and the name of the format a
// coefficient editor shows its text in (empty for other windows).
struct WindowPlacement {
    ViewKind kind = ViewKind::Other;
    std::uint32_t hint = 0;
    Rect frame;
    std::optional<ViewSpans> zoom;
    WindowState state = WindowState::Normal;
    std::string format;

    bool operator==(const WindowPlacement&) const = default;
};

// The windows record that trails a project file: a count (u32), then per window the kind
// (i32), the hint (u32), the frame's left, top, width and height (i32 each), a zoom flag
// (i32) and the X and Y ranges (four f64, zero without a zoom). From version 7 on each window
// goes on with its state (i32: 0 normal, 1 maximised, 2 minimised) and the format name (an
// archive text, empty for windows that are not coefficient editors). The writer always
// writes the newest layout.
void WriteWindowRecord(ArchiveWriter& archive, const std::vector<WindowPlacement>& windows);
// Reads the layout of the project version. Raises ArchiveError for a record that is cut
// short or names an unknown kind; an unknown state reads as normal.
std::vector<WindowPlacement> ReadWindowRecord(ArchiveReader& archive, int version);

// The frame moved, and shrunk where it must be, so that all of it lies within the area; an
// empty area leaves it as it is.
Rect FitInside(const Rect& frame, const Rect& area);

}  // namespace tapwright
