#include "document/WindowLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/Archive.h"

namespace tapwright {

namespace {

// Kind, hint, four frame numbers and the zoom flag, then four ranges.
constexpr std::size_t kPlacementBytes = 7 * 4 + 4 * 8;
// Then the state and at least the one length byte of the format name.
constexpr std::size_t kStatePlacementBytes = kPlacementBytes + 4 + 1;
constexpr std::int64_t kLastKind = static_cast<std::int64_t>(ViewKind::Other);

WindowState StateOf(std::int32_t value) {
    switch (value) {
        case static_cast<std::int32_t>(WindowState::Maximized):
            return WindowState::Maximized;
        case static_cast<std::int32_t>(WindowState::Minimized):
            return WindowState::Minimized;
        default:
            return WindowState::Normal;
    }
}

// The right or bottom edge of a frame read from a file: a negative extent is none, and the
// sum of two numbers from a hostile file must not leave the range of int.
std::int32_t FarEdge(std::int32_t origin, std::int32_t extent) {
    const std::int64_t edge = std::int64_t{origin} + std::max(extent, 0);
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(edge, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void WriteWindowRecord(ArchiveWriter& archive, const std::vector<WindowPlacement>& windows) {
    archive.WriteU32(static_cast<std::uint32_t>(windows.size()));
    for (const WindowPlacement& window : windows) {
        archive.WriteI32(static_cast<std::int32_t>(window.kind));
        archive.WriteU32(window.hint);
        archive.WriteI32(window.frame.left);
        archive.WriteI32(window.frame.top);
        archive.WriteI32(window.frame.Width());
        archive.WriteI32(window.frame.Height());
        archive.WriteI32(window.zoom ? 1 : 0);
        const ViewSpans spans = window.zoom.value_or(ViewSpans{});
        archive.WriteF64(spans.xMinimum);
        archive.WriteF64(spans.xMaximum);
        archive.WriteF64(spans.yMinimum);
        archive.WriteF64(spans.yMaximum);
        archive.WriteI32(static_cast<std::int32_t>(window.state));
        archive.WriteText(window.format);
    }
}

std::vector<WindowPlacement> ReadWindowRecord(ArchiveReader& archive, int version) {
    const bool withStates = version >= kWindowStateVersion;
    const std::uint32_t count = archive.ReadU32();
    archive.RequireRecords(count, withStates ? kStatePlacementBytes : kPlacementBytes);
    std::vector<WindowPlacement> windows(count);
    for (WindowPlacement& window : windows) {
        const std::int32_t kind = archive.ReadI32();
        ArchiveReader::RequireInRange(kind, 0, kLastKind, "window kind");
        window.kind = static_cast<ViewKind>(kind);
        window.hint = archive.ReadU32();
        window.frame.left = archive.ReadI32();
        window.frame.top = archive.ReadI32();
        const std::int32_t width = archive.ReadI32();
        const std::int32_t height = archive.ReadI32();
        window.frame.right = FarEdge(window.frame.left, width);
        window.frame.bottom = FarEdge(window.frame.top, height);
        const bool zoomed = archive.ReadI32() != 0;
        ViewSpans spans;
        spans.xMinimum = archive.ReadF64();
        spans.xMaximum = archive.ReadF64();
        spans.yMinimum = archive.ReadF64();
        spans.yMaximum = archive.ReadF64();
        if (zoomed) {
            window.zoom = spans;
        }
        if (withStates) {
            window.state = StateOf(archive.ReadI32());
            window.format = archive.ReadText();
        }
    }
    return windows;
}

Rect FitInside(const Rect& frame, const Rect& area) {
    if (area.Width() <= 0 || area.Height() <= 0) {
        return frame;
    }
    const int width = std::clamp(frame.Width(), 1, area.Width());
    const int height = std::clamp(frame.Height(), 1, area.Height());
    const int left = std::clamp(frame.left, area.left, area.right - width);
    const int top = std::clamp(frame.top, area.top, area.bottom - height);
    return {left, top, left + width, top + height};
}

}  // namespace tapwright
