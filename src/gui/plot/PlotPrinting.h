#pragma once

#include <optional>

#include "plot/PlotWarnings.h"

class QPrinter;

namespace tapwright {
class CPlot;
}

namespace tapwright::gui {

// Prints the plot on one page at the printer's resolution: the plot lays itself out on the
// whole page with the printer's font factor, and a polar plot on a square part of it. The
// series are extracted anew for the page's width, and again for the window afterwards,
// which is asked to draw itself. Returns the warnings of the drawing for the caller to show,
// or nothing when the printer could not be started (the user has been told).
std::optional<PlotWarnings> PrintPlot(CPlot& plot, QPrinter& printer);

}  // namespace tapwright::gui
