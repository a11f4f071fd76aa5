#include "gui/plot/PlotPrinting.h"

#include <QPainter>
#include <QPrinter>

#include "gui/platform/QtDrawContext.h"
#include "gui/platform/QtUserInterface.h"
#include "platform/UserInterface.h"
#include "plot/Plot.h"

namespace tapwright::gui {

namespace {

constexpr const char* kCannotPrintMessage = "The printer could not be started.";

}  // namespace

std::optional<PlotWarnings> PrintPlot(CPlot& plot, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        Ui().ShowMessage(kCannotPrintMessage, MessageButtons::Ok, MessageIcon::Stop);
        return std::nullopt;
    }
    PlotWarnings warnings;
    {
        // A preview draws the page while it paints itself.
        const QtUserInterface::PaintScope printing;
        plot.ClearSeries();
        QtDrawContext dc(painter, DrawDevice::Printer);
        warnings = plot.OnDraw(dc);
    }
    painter.end();
    // The page's layout and series do not fit the window.
    plot.ClearSeries();
    plot.Invalidate();
    return warnings;
}

}  // namespace tapwright::gui
