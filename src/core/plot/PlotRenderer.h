#pragma once

#include <optional>
#include <string>

#include "platform/DrawContext.h"
#include "plot/Plot.h"

namespace tapwright {

// The spacing of one axis's grid lines, and the warning the caller shows when it differs
// from what the axis asks for.
struct GridLines {
    double spacing = 0.0;
    std::optional<PlotWarning> warning;
};

// The spacing of one axis's grid lines in its grid mode, or 0 for no grid. On tic marks, a
// linear axis with more than ten tics per label gets two grid lines per label instead, with
// a warning; the axis itself keeps its tic spacing.
GridLines GridSpacing(const PlotAxisState& axis);

// Draws one plot on one device context: the same steps for the window, the printed page and
// the picture on the clipboard. It lays the plot out anew and leaves the layout in the plot.
// It shows no message: what it had to correct comes back as warnings, in the order met.
class PlotRenderer {
public:
    PlotRenderer(CPlot& plot, DrawContext& dc) : plot_(plot), dc_(dc), layout_(plot.layout_) {}

    [[nodiscard]] PlotWarnings Draw();

private:
    struct LabelExtents {
        int widestX = 0;
        int tallestX = 0;
        int widestY = 0;
    };

    void ChooseRectangle();
    void SelectTitleFont();
    void BuildAxisLabels();
    void LayOut();
    void MakePolarAreaSquare();
    void DrawTitles();
    void DrawTitle(Point at, const std::string& title, int powerOfTen);
    void DrawGrid();
    void SelectLabelFont();
    void DrawXAxis();
    void DrawYAxis();
    void DrawAllSeries();
    void DrawSeries(const CDoubleArray& xs, const CDoubleArray& ys, Color color);
    // The labels of one axis in the unit its title names; a correction joins the warnings.
    std::vector<CPlotLabel> LabelsInUnit(PlotAxisState& axis, const UnitLabel& unit);
    // The grid spacing of one axis; a correction joins the warnings.
    double GridSpacingOf(const PlotAxisState& axis);
    // Makes a font from the plot's description at the height (at least one pixel).
    std::optional<FontDescription> SelectPlotFont(int height, int escapement);
    int MeasureTextHeight(const std::string& text) const;

    CPlot& plot_;
    DrawContext& dc_;
    PlotLayout& layout_;
    Rect rect_;
    int fontFactor_ = 4;
    int baseFontHeight_ = 0;
    LabelExtents extents_;
    PlotWarnings warnings_;
};

}  // namespace tapwright
