#include "plot/RubberBand.h"

#include <algorithm>

namespace tapwright {

namespace {

void Toggle(std::array<int, 2>& slots, int position) {
    for (int& slot : slots) {
        if (slot == position) {
            slot = CRubberBand::kNone;
            return;
        }
    }
    for (int& slot : slots) {
        if (slot == CRubberBand::kNone) {
            slot = position;
            return;
        }
    }
}

Rect Normalized(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

void CRubberBand::Press(Point point, const Rect& bounds) {
    EraseMarks();
    bounds_ = bounds;
    pressMode_ = Classify(point);
    finalMode_ = BandMode::Idle;
    anchor_ = Clamped(point);
    switch (pressMode_) {
        case BandMode::XRange:
            ToggleVerticalMarker(anchor_.x);
            break;
        case BandMode::YRange:
            ToggleHorizontalMarker(anchor_.y);
            break;
        default:
            rectangle_ = Normalized(anchor_, anchor_);
            break;
    }
    tracking_ = true;
}

BandMode CRubberBand::Classify(Point p) const {
    const Rect& b = bounds_;
    const bool withinColumns = p.x >= b.left && p.x <= b.right;
    const bool withinRows = p.y >= b.top && p.y <= b.bottom;
    if (p.x >= b.left && p.x < b.right && p.y >= b.top && p.y < b.bottom) {
        return BandMode::Rectangle;
    }
    if (withinColumns && (p.y <= b.top || p.y >= b.bottom)) {
        return BandMode::XRange;
    }
    if (withinRows && (p.x <= b.left || p.x >= b.right)) {
        return BandMode::YRange;
    }
    return BandMode::Rectangle;
}

Point CRubberBand::Clamped(Point p) const {
    return {std::clamp(p.x, std::min(bounds_.left, bounds_.right),
                       std::max(bounds_.left, bounds_.right)),
            std::clamp(p.y, std::min(bounds_.top, bounds_.bottom),
                       std::max(bounds_.top, bounds_.bottom))};
}

void CRubberBand::Move(Point point) {
    if (!tracking_) {
        return;
    }
    const Point p = Clamped(point);
    switch (pressMode_) {
        case BandMode::XRange:
            if (p.x != columns_[0]) {
                if (columns_[1] != kNone) {
                    ToggleVerticalMarker(columns_[1]);
                }
                ToggleVerticalMarker(p.x);
            }
            break;
        case BandMode::YRange:
            if (p.y != rows_[0]) {
                if (rows_[1] != kNone) {
                    ToggleHorizontalMarker(rows_[1]);
                }
                ToggleHorizontalMarker(p.y);
            }
            break;
        default:
            rectangle_ = Normalized(anchor_, p);
            break;
    }
}

BandRelease CRubberBand::Release(Point point) {
    Move(point);
    const BandRelease outcome = Outcome();
    finalMode_ = outcome.mode;
    EraseMarks();
    tracking_ = false;
    return outcome;
}

BandRelease CRubberBand::Outcome() const {
    if (!tracking_) {
        return {BandMode::Nothing, {}};
    }
    switch (pressMode_) {
        case BandMode::XRange: {
            const Rect span{std::min(columns_[0], columns_[1]), bounds_.top,
                            std::max(columns_[0], columns_[1]), bounds_.bottom};
            const bool narrow = columns_[1] == kNone || span.Width() < kMinZoomWidth;
            return {narrow ? BandMode::Click : BandMode::XRange, span};
        }
        case BandMode::YRange: {
            const int second = rows_[1] == kNone ? rows_[0] : rows_[1];
            const Rect span{bounds_.left, std::min(rows_[0], second), bounds_.right,
                            std::max(rows_[0], second)};
            return {span.Height() < kMinZoomHeight ? BandMode::Nothing : BandMode::YRange, span};
        }
        case BandMode::Rectangle:
            if (rectangle_.Width() < kMinZoomWidth) {
                return {BandMode::Click, rectangle_};
            }
            if (rectangle_.Height() < kMinZoomHeight) {
                return {BandMode::XRange, rectangle_};
            }
            return {BandMode::Rectangle, rectangle_};
        default:
            break;
    }
    return {BandMode::Nothing, {}};
}

void CRubberBand::Reset() {
    EraseMarks();
    tracking_ = false;
    pressMode_ = BandMode::Idle;
    finalMode_ = BandMode::Idle;
    bounds_ = kNoRect;
    anchor_ = {};
}

void CRubberBand::EraseMarks() {
    columns_ = {kNone, kNone};
    rows_ = {kNone, kNone};
    rectangle_ = kNoRect;
}

void CRubberBand::ToggleVerticalMarker(int column) {
    Toggle(columns_, column);
}

void CRubberBand::ToggleHorizontalMarker(int row) {
    Toggle(rows_, row);
}

}  // namespace tapwright
