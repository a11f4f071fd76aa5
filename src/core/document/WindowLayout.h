#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/DrawContext.h"
#include "platform/View.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// One open window of a project as the project file keeps it: its kind, what it shows (the
// hint that opens a window showing the same), where its frame is, and the ranges a zoomed
// plot shows.
struct WindowPlacement {
    ViewKind kind = ViewKind::Other;
    std::uint32_t hint = 0;
    Rect frame;
    std::optional<ViewSpans> zoom;

    bool operator==(const WindowPlacement&) const = default;
};

// The windows record that trails a project file: a count, then per window the kind (i32),
// the hint (u32), the frame's left, top, width and height (i32 each), a zoom flag (i32) and
// the X and Y ranges (four f64, zero without a zoom).
void WriteWindowRecord(ArchiveWriter& archive, const std::vector<WindowPlacement>& windows);
// Raises ArchiveError for a record that is cut short or names an unknown kind.
std::vector<WindowPlacement> ReadWindowRecord(ArchiveReader& archive);

// The frame moved, and shrunk where it must be, so that all of it lies within the area; an
// empty area leaves it as it is.
Rect FitInside(const Rect& frame, const Rect& area);

}  // namespace tapwright
