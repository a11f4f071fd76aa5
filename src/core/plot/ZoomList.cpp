#include "plot/ZoomList.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

namespace {

// A value as a log axis places it.
double ToScale(double value, bool log) {
    return log ? std::log10(value) : value;
}

double FromScale(double value, bool log) {
    return log ? std::pow(10.0, value) : value;
}

}  // namespace

AxisSpan ZoomSpanAbout(AxisSpan span, double anchor, double factor, bool log) {
    if (log && !(span.minimum > 0.0 && span.maximum > 0.0)) {
        log = false;
    }
    const double low = ToScale(span.minimum, log);
    const double high = ToScale(span.maximum, log);
    const double at = log && !(anchor > 0.0) ? (low + high) / 2.0 : ToScale(anchor, log);
    return {FromScale(at - (at - low) * factor, log), FromScale(at + (high - at) * factor, log)};
}

AxisSpan ShiftSpan(AxisSpan span, double fraction, bool log) {
    if (log && !(span.minimum > 0.0 && span.maximum > 0.0)) {
        log = false;
    }
    const double low = ToScale(span.minimum, log);
    const double high = ToScale(span.maximum, log);
    const double shift = (high - low) * fraction;
    return {FromScale(low + shift, log), FromScale(high + shift, log)};
}

AxisSpan MoveValueTo(AxisSpan span, double shown, double wanted, bool log) {
    if (log && !(span.minimum > 0.0 && span.maximum > 0.0 && shown > 0.0 && wanted > 0.0)) {
        log = false;
    }
    const double shift = ToScale(wanted, log) - ToScale(shown, log);
    return {FromScale(ToScale(span.minimum, log) + shift, log),
            FromScale(ToScale(span.maximum, log) + shift, log)};
}

AxisSpan KeepWithin(AxisSpan span, AxisSpan limits) {
    if (span.maximum - span.minimum >= limits.maximum - limits.minimum) {
        return limits;
    }
    if (span.minimum < limits.minimum) {
        return {limits.minimum, limits.minimum + (span.maximum - span.minimum)};
    }
    if (span.maximum > limits.maximum) {
        return {limits.maximum - (span.maximum - span.minimum), limits.maximum};
    }
    return span;
}

double WheelZoomFactor(double notches) {
    return std::pow(kZoomStepFactor, notches);
}

void CZoomList::Push(CZoomLevel level) {
    if (!levels_.empty()) {
        levels_.resize(current_ + 1);
        if (pushedLive_) {
            levels_.pop_back();
        }
    }
    levels_.push_back(std::move(level));
    current_ = levels_.size() - 1;
    pushedLive_ = false;
}

void CZoomList::RecordLiveState(const CZoomLevel& live) {
    if (levels_.empty()) {
        return;
    }
    if (CurrentIsLast() && !pushedLive_) {
        Push(live);
        pushedLive_ = true;
        return;
    }
    CZoomLevel& current = levels_[current_];
    if (current.xMinimum == live.xMinimum && current.xMaximum == live.xMaximum) {
        current.xAxis = live.xAxis;
        current.yAxis = live.yAxis;
    }
}

void CZoomList::Move(ZoomMove move) {
    if (levels_.empty()) {
        return;
    }
    if (move == ZoomMove::Next) {
        move = CurrentIsLast() ? ZoomMove::Top : ZoomMove::In;
    }
    switch (move) {
        case ZoomMove::Top:
            current_ = 0;
            break;
        case ZoomMove::In:
            if (!CurrentIsLast()) {
                ++current_;
            }
            break;
        case ZoomMove::Out:
            if (current_ > 0) {
                --current_;
            }
            break;
        case ZoomMove::Bottom:
        case ZoomMove::Next:
            current_ = levels_.size() - 1;
            break;
    }
}

void CZoomList::Clear() {
    levels_.clear();
    current_ = 0;
    pushedLive_ = false;
}

int CZoomList::CountShown() const {
    const std::size_t count = pushedLive_ ? levels_.size() - 1 : levels_.size();
    return static_cast<int>(count);
}

int CZoomList::PositionShown() const {
    return static_cast<int>(current_) + (pushedLive_ ? 0 : 1);
}

bool CZoomList::IsAtTop() const {
    return !levels_.empty() && current_ == 0 && pushedLive_;
}

bool CZoomList::IsAtBottom() const {
    return !levels_.empty() && (!pushedLive_ || CurrentIsLast());
}

std::string CZoomList::StatusText() const {
    if (levels_.empty()) {
        return "Ready";
    }
    const int position = PositionShown();
    if (position == 0) {
        return "Top Level";
    }
    return "Zoom Level " + std::to_string(position) + " of " + std::to_string(CountShown());
}

}  // namespace tapwright
