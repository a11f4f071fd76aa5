#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/PlotWarnings.h"

namespace tapwright {

// One axis label: its text and where it stands, in axis units.
struct CPlotLabel {
    std::string text;
    float position = 0.0f;
};

// The labels of one axis, and the warning the caller shows when the label spacing had to be
// corrected.
struct AxisLabels {
    std::vector<CPlotLabel> labels;
    std::optional<PlotWarning> warning;
};

// Makes the labels of one axis from minimum to maximum, one every label spacing (on a log
// axis: every label spacing decades). Too many labels turn into ten, with a warning, and a
// power of ten of -1 to -3 is dropped when the labels can show the spacing with their
// decimals; both corrections are written back. Labels are divided by 10 to the power of ten
// and to the unit power (the decades a unit in the axis title stands for), and all labels
// of a linear axis keep the same number of decimals.
AxisLabels BuildLabels(double minimum, double maximum, double& labelSpacing, int& powerOfTen,
                       int decimalDigits, bool log, int unitPower = 0);

}  // namespace tapwright
