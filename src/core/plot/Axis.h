#pragma once

#include <string>

namespace tapwright {

// Which lines of the grid a plot draws for one axis.
enum class GridMode { None = 0, OnTicMarks = 1, OnLabels = 2, OnZero = 3 };

// The editable settings of one plot axis: the data range it was last given, whether it follows
// that range automatically, and the range, spacings and label scaling that result. A plain
// record, copied by value (zoom levels keep copies).
class CAxis {
public:
    double dataMinimum = 0.0;
    double dataMaximum = 0.0;
    bool log = false;
    GridMode gridMode = GridMode::OnTicMarks;
    bool manualPower = false;  // the power of ten is the user's, not chosen from the range
    bool automatic = true;     // range and spacings follow the data range
    int decimalDigits = 3;     // most digits after the point in labels
    std::string name;
    double minimum = 0.0;
    double maximum = 0.0;
    double ticSpacing = 0.0;    // on a log axis: a fraction of a decade
    double labelSpacing = 0.0;  // on a log axis: in decades
    int powerOfTen = 0;         // labels are divided by 10 to this power

    // Gives the axis a new data range. A range of one value is widened to reach zero. An
    // automatic axis always rescales; a manual one keeps its range while the new data range
    // still overlaps the one it was set for.
    void SetDataRange(double minimum, double maximum);

    // Chooses a range and spacings that cover the data with about ten round intervals, or
    // whole decades on a log axis. The power of ten is left alone.
    void Autoscale(double dataMin, double dataMax, bool logAxis);
};

}  // namespace tapwright
