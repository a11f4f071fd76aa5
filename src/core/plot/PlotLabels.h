#pragma once

#include <string>
#include <vector>

namespace tapwright {

// One axis label: its text and where it stands, in axis units.
struct CPlotLabel {
    std::string text;
    float position = 0.0f;
};

// Makes the labels of one axis from minimum to maximum, one every label spacing (on a log
// axis: every label spacing decades). Too many labels turn into ten, and a power of ten of
// -1 to -3 is dropped when the labels can show the spacing with their decimals; both
// corrections are written back. Labels are divided by 10 to the power of ten and to the
// unit power (the decades a unit in the axis title stands for), and all labels of a linear
// axis keep the same number of decimals.
std::vector<CPlotLabel> BuildLabels(double minimum, double maximum, double& labelSpacing,
                                    int& powerOfTen, int decimalDigits, bool log,
                                    int unitPower = 0);

}  // namespace tapwright
