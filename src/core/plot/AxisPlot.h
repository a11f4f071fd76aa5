#pragma once

#include "plot/Axis.h"
#include "plot/Plot.h"

namespace tapwright {

enum class AxisId { X, Y };

// A plot whose two axes are editable records that follow the data automatically unless the
// user has set them.
class CAxisPlot : public CPlot {
public:
    // Copies both axis records into the axis states used for drawing.
    void ApplyAxisSettings() override;

    // Copies one axis record into its axis state.
    void ApplyAxis(AxisId axis);

    // Hands the data range to both axis records and applies them. A polar plot cannot show
    // log axes: log mode is turned off, with a warning for the caller to show, and both axes
    // rescale.
    [[nodiscard]] PlotWarnings SetRanges(double xMin, double xMax, double yMin, double yMax);

    // After the axis dialog confirmed a change to one axis: applies it and draws anew.
    void OnAxisEdited(AxisId axis);
    // The X-Axis and Y-Axis commands need data to scale.
    bool IsAxisCommandEnabled() const { return HasData(); }

    CAxis& XAxis() { return xAxis_; }
    const CAxis& XAxis() const { return xAxis_; }
    CAxis& YAxis() { return yAxis_; }
    const CAxis& YAxis() const { return yAxis_; }

protected:
    // Requests that the next SetRanges makes both axes, or one of them, automatic again.
    bool forceRescale = false;
    bool rescaleX = false;
    bool rescaleY = false;

private:
    CAxis xAxis_;
    CAxis yAxis_;
};

}  // namespace tapwright
