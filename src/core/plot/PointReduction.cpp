#include "plot/PointReduction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tapwright {

namespace {

// Quarter steps of samples per column up to this ratio, whole steps above it.
constexpr double kQuarterStepLimit = 5.0;

// Reduction arithmetic on absurd axis ranges stays within the integers it produces.
constexpr double kLargestCount = std::numeric_limits<std::int32_t>::max();

int RoundedWidth(double width) {
    return static_cast<int>(std::clamp(std::floor(width + 0.5), 1.0, kLargestCount));
}

std::int32_t CeilingCount(double value) {
    return static_cast<std::int32_t>(std::clamp(std::ceil(value), 1.0, kLargestCount));
}

}  // namespace

ReductionPlan PlanLinearReduction(std::int64_t visiblePoints, int width, double samplesAcross,
                                  bool integerReduction) {
    ReductionPlan plan{0, 0.0, width};
    // An axis that spans no samples (or an unusable width) leaves nothing to divide.
    if (visiblePoints <= width || width < 1 || !(samplesAcross > 0.0) ||
        !std::isfinite(samplesAcross)) {
        plan.pointsPerGroup = 1;
        return plan;
    }
    const double s = samplesAcross;
    if (integerReduction) {
        const double k = CeilingCount(s / width);
        plan.width = RoundedWidth(s / k);
        plan.pointsPerGroup = CeilingCount(s / plan.width);
        return plan;
    }
    double ratio = std::ceil(4.0 * s / width) / 4.0;
    if (ratio > kQuarterStepLimit) {
        ratio = std::ceil(ratio);
    }
    plan.width = RoundedWidth(s / ratio);
    plan.reductionRatio = s / plan.width;
    return plan;
}

void PointGrouper::Add(double value, double x, int column, std::int64_t index) {
    if (!started_) {
        started_ = true;
        column_ = pointsPerGroup_ != 0 ? -1 : column;
        Take(value, x, index);
    } else {
        bool joins = false;
        if (pointsPerGroup_ != 0 && count_ < pointsPerGroup_) {
            joins = true;
        } else if (column == column_) {
            joins = true;
            if (pointsPerGroup_ != 0) {
                sumMode_ = false;
            }
        } else {
            column_ = column;
        }
        if (joins) {
            if (std::fabs(value) > keptMagnitude_) {
                Take(value, x, index);
            }
        } else {
            Emit();
            Take(value, x, index);
            count_ = 0;
            sum_ = 0.0;
        }
    }
    sum_ += value;
    ++count_;
}

void PointGrouper::Take(double value, double x, std::int64_t index) {
    keptMagnitude_ = std::fabs(value);
    keptValue_ = value;
    keptX_ = x;
    keptIndex_ = index;
}

void PointGrouper::Emit() {
    points_.values.push_back(sumMode_ ? sum_ : keptValue_);
    points_.xs.push_back(keptX_);
    points_.peaks.push_back(keptIndex_);
    points_.counts.push_back(count_);
}

GroupedPoints PointGrouper::Finish() {
    if (started_) {
        Emit();
        started_ = false;
    }
    return std::move(points_);
}

}  // namespace tapwright
