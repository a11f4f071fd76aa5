#pragma once

#include <string>

#include "plot/Plot.h"

namespace tapwright {

// A number as plot data files write it: general format with six significant digits and an
// exponent of at least three digits ("0.5", "1000", "1.5e-007"), the form readers of these
// files have always seen.
std::string FormatPlotNumber(double value);

// The plotted points as tab-separated text with nine decimals, one line per point ending in
// CR LF. Points that a log axis cannot show (a value not above zero) are left out.
std::string PlotDataText(const CPlot& plot);

// The body of a plot data file: the three titles (main, Y, X) when asked for, then one line
// per point with its numbers separated by three blanks, every line ending in CR LF. Points are
// left out as in PlotDataText.
std::string PlotFileText(const CPlot& plot, bool withTitles);

// The file name Write Data proposes: the last one chosen since the program started.
const std::string& LastPlotFilePath();

}  // namespace tapwright
