#include "plot/AxisPlot.h"

namespace tapwright {

namespace {

void CopyAxis(const CAxis& axis, PlotAxisState& state) {
    state.minimum = axis.minimum;
    state.maximum = axis.maximum;
    state.ticSpacing = axis.ticSpacing;
    state.labelSpacing = axis.labelSpacing;
    state.decimalDigits = axis.decimalDigits;
    state.gridMode = axis.gridMode;
    state.log = axis.log;
    // Log labels are written as powers of ten and are never scaled.
    state.powerOfTen = axis.log ? 0 : axis.powerOfTen;
}

}  // namespace

void CAxisPlot::ApplyAxisSettings() {
    ApplyAxis(AxisId::X);
    ApplyAxis(AxisId::Y);
}

void CAxisPlot::ApplyAxis(AxisId axis) {
    if (axis == AxisId::X) {
        CopyAxis(xAxis_, XState());
    } else {
        CopyAxis(yAxis_, YState());
    }
}

PlotWarnings CAxisPlot::SetRanges(double xMin, double xMax, double yMin, double yMax) {
    PlotWarnings warnings;
    if ((XState().log || YState().log) && IsPolar()) {
        warnings.Add({"Log mode will be turned off for Polar Plot.", MessageIcon::Information});
        xAxis_.log = false;
        yAxis_.log = false;
        XState().log = false;
        YState().log = false;
        forceRescale = true;
    }
    if (forceRescale || rescaleX) {
        xAxis_.automatic = true;
    }
    if (forceRescale || rescaleY) {
        yAxis_.automatic = true;
    }
    forceRescale = false;
    rescaleX = false;
    rescaleY = false;
    xAxis_.SetDataRange(xMin, xMax);
    yAxis_.SetDataRange(yMin, yMax);
    ApplyAxisSettings();
    return warnings;
}

void CAxisPlot::OnAxisEdited(AxisId axis) {
    ApplyAxis(axis);
    ClearSeries();
    Invalidate();
}

}  // namespace tapwright
