#pragma once

#include <cstdint>
#include <vector>

namespace tapwright {

// How the samples of a linear axis are reduced to plotted points: whole groups of samples
// per point (integer reduction), or a ratio of samples per pixel column that is a multiple
// of a quarter, or a whole number above five. The plot width is narrowed so that the
// samples across the axis divide evenly among its columns.
struct ReductionPlan {
    std::int32_t pointsPerGroup = 0;  // 0: the samples are grouped by pixel column
    double reductionRatio = 0.0;      // samples per column, 0 when not reduced this way
    int width = 0;                    // the plot width to draw with
};

// The plan for visiblePoints samples shown in a plot width pixels wide, with samplesAcross
// samples spanning the X axis. Fewer samples than columns are plotted one by one.
ReductionPlan PlanLinearReduction(std::int64_t visiblePoints, int width, double samplesAcross,
                                  bool integerReduction);

// The plotted points of one quantity: for each group of samples, its peak (the sample of
// largest magnitude, the earlier one on a tie) or, in sum mode, the sum of its samples,
// with the axis value and the sample index of the peak and the number of samples in the
// group.
struct GroupedPoints {
    std::vector<double> values;
    std::vector<double> xs;
    std::vector<std::int64_t> peaks;
    std::vector<std::int32_t> counts;
};

// Gathers consecutive samples into groups. With a group size, a group takes that many
// samples; a full group still takes the next sample when it lies in the pixel column the
// group began in, and from then on the points are peaks even in sum mode, since a sum over
// an uneven group would misstate the level. Without a group size, a group is one pixel
// column.
class PointGrouper {
public:
    PointGrouper(std::int32_t pointsPerGroup, bool sumMode)
        : pointsPerGroup_(pointsPerGroup), sumMode_(sumMode) {}

    // The next sample: its value, its axis value, the pixel column of that axis value and
    // its index, which the points report for their peaks.
    void Add(double value, double x, int column, std::int64_t index = 0);

    // Emits the open group and returns all points.
    GroupedPoints Finish();

private:
    void Take(double value, double x, std::int64_t index);
    void Emit();

    std::int32_t pointsPerGroup_;
    bool sumMode_;
    bool started_ = false;
    int column_ = 0;
    double keptMagnitude_ = 0.0;
    double keptValue_ = 0.0;
    double keptX_ = 0.0;
    std::int64_t keptIndex_ = 0;
    double sum_ = 0.0;
    std::int32_t count_ = 0;
    GroupedPoints points_;
};

}  // namespace tapwright
