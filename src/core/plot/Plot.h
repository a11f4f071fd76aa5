#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/DoubleArray.h"
#include "data/FreqUnits.h"
#include "platform/DrawContext.h"
#include "platform/View.h"
#include "plot/Axis.h"
#include "plot/PlotLabels.h"
#include "plot/PlotWarnings.h"

namespace tapwright {

enum class PlotStyle { Line = 0, Dot = 1, LineAndDot = 2, Bar = 3 };

// The axis as one drawing uses it: the range, spacings and label form in force. Drawing may
// correct the label spacing and power of ten; the corrections last until the settings are
// applied again.
struct PlotAxisState {
    double minimum = 0.0;
    double maximum = 0.0;
    double labelSpacing = 0.0;
    double ticSpacing = 0.0;
    double originValue = 0.0;  // where the zero line is drawn
    int powerOfTen = 0;        // of the axis settings: the labels are divided by it
    int decimalDigits = 2;
    GridMode gridMode = GridMode::None;
    bool log = false;
    // What the title shows after its unit, as the last drawing labelled the axis: the part of
    // the power of ten that the unit could not take and the labels do not carry.
    int titlePower = 0;
};

// What is plotted: one X series, one or two Y series (Y2 may be empty) and, for each plotted
// point, how many source samples it stands for. All are emptied together, so that the next
// drawing fetches the data again.
struct PlotSeries {
    CDoubleArray x;
    CDoubleArray y;
    CDoubleArray y2;
    std::vector<std::int32_t> groupSizes;

    bool IsEmpty() const { return x.GetSize() == 0; }
    void Clear();
};

// Where the plot area lies on the device, as laid out by the last drawing.
struct PlotLayout {
    int width = 0;
    int height = 0;
    int ticLength = 0;   // half the length of a tic mark
    int textHeight = 0;  // height of "Bq" in the current font
    int left = 0;        // column of the left edge
    int bottom = 0;      // row of the bottom edge
};

struct PlotTitles {
    std::string x = "X-Title";
    std::string y = "Y-Title";
    std::string main = "Main Title";
};

// The plot engine: up to two data series over one X series, drawn with two axes, titles,
// labels, tic marks and a grid on any device context. Derived views supply the data.
class CPlot : public CView {
public:
    CPlot();

    // Clears the series and repaints: a document change may change what is shown.
    void OnUpdate(CView* sender, std::uint32_t hint, CDataSet* object) override;

    // Draws the whole plot, on the window's client area or, when printing, on the page.
    // Returns the warnings of the drawing, for the caller to show once it is over.
    [[nodiscard]] PlotWarnings OnDraw(DrawContext& dc);

    // Hooks for the derived views, in this order of importance to the drawing.
    virtual void ApplyAxisSettings();
    // Sets the axis ranges from the data to be shown; returns what it had to correct.
    [[nodiscard]] virtual PlotWarnings GetDataRange();
    virtual void OnDrawDone(DrawContext& dc);
    // Fills the series for a plot area of the given width, which it may narrow.
    virtual void ExtractData(int& plotWidth);
    virtual bool HasData() const;
    // The unit of an axis title for the axis's power of ten: the unit that takes what it can
    // of the power, and the exponent left over. Every drawing labels the axis in this unit.
    // Without a unit the whole power is left over.
    virtual UnitLabel XAxisUnit(int powerOfTen) const;
    virtual UnitLabel YAxisUnit(int powerOfTen) const;

    // Coordinate mapping between axis values and device pixels, as set by the last drawing.
    // Non-positive values on a log axis map to the left or bottom edge.
    int XToPixel(double value) const;
    int YToPixel(double value) const;
    double PixelToX(int column) const;
    double PixelToY(int row) const;

    // Draws tic marks or grid lines at every step from `from` to `to` along one axis (a
    // fraction of a decade or whole decades on a log axis), each from c1 to c2 across it.
    void DrawTicLines(DrawContext& dc, const Pen& pen, bool log, bool vertical, double from,
                      double to, double step, int c1, int c2) const;

    // Commands.
    void OnStyle(PlotStyle style);
    bool IsStyleChecked(PlotStyle style) const { return style_ == style; }
    void OnFont();
    void OnCopyImage();
    void OnCopyData();
    void OnWriteData();
    bool IsWriteDataEnabled() const { return HasData(); }

    PlotAxisState& XState() { return xState_; }
    const PlotAxisState& XState() const { return xState_; }
    PlotAxisState& YState() { return yState_; }
    const PlotAxisState& YState() const { return yState_; }
    PlotSeries& Series() { return series_; }
    const PlotSeries& Series() const { return series_; }
    void ClearSeries() { series_.Clear(); }
    PlotTitles& Titles() { return titles_; }
    const PlotTitles& Titles() const { return titles_; }
    const PlotLayout& Layout() const { return layout_; }
    const std::vector<CPlotLabel>& XLabels() const { return xLabels_; }
    const std::vector<CPlotLabel>& YLabels() const { return yLabels_; }

    PlotStyle Style() const { return style_; }
    void SetStyle(PlotStyle style) { style_ = style; }
    bool OriginAtZero() const { return originAtZero_; }
    void SetOriginAtZero(bool atZero) { originAtZero_ = atZero; }
    bool IsPolar() const { return polar_; }
    void SetPolar(bool polar) { polar_ = polar; }
    const FontDescription& Font() const { return font_; }
    double FontScale() const { return fontScale_; }
    const Pen& GridPen() const { return gridPen_; }
    const Pen& AxisPen() const { return axisPen_; }

private:
    friend class PlotRenderer;

    // Sets the X and Y mappings from the axis states at the start of a drawing.
    void SetMappings();

    PlotLayout layout_;
    double xStart_ = 0.0;
    double xScale_ = 0.0;
    double yStart_ = 0.0;
    double yScale_ = 0.0;
    PlotStyle style_ = PlotStyle::Line;
    bool originAtZero_ = true;  // bars start at Y = 0 rather than at the bottom edge
    Pen gridPen_;
    Pen axisPen_;
    FontDescription font_;
    double fontScale_ = 1.0;  // factor on the automatic font height
    PlotTitles titles_;
    PlotAxisState xState_;
    PlotAxisState yState_;
    bool polar_ = false;  // Y is drawn against Y2
    PlotSeries series_;
    std::vector<CPlotLabel> xLabels_;
    std::vector<CPlotLabel> yLabels_;
};

}  // namespace tapwright
