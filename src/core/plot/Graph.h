#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "design/LumenData.h"
#include "platform/CommandTable.h"
#include "plot/AxisPlot.h"
#include "plot/PointReduction.h"
#include "plot/RubberBand.h"
#include "plot/ZoomList.h"

namespace tapwright {

class CTitlesDlg;

// What a graph plots. The first six are the graph's own types; the response plot uses
// ComplexMagnitude and ComplexPhase for its magnitude and phase and the last three as
// further display kinds.
enum class PlotType {
    None = -1,  // not chosen yet
    InphaseAmplitude = 0,
    QuadratureAmplitude = 1,
    IAndQAmplitudes = 2,
    ComplexMagnitude = 3,
    ComplexPhase = 4,
    Polar = 5,  // Inphase against Quadrature
    UnwrappedPhase = 6,
    PhaseDelay = 7,
    GroupDelay = 8,
};

// The plot type an update hint asks for in its bits 4 to 7 (the hint's first field).
PlotType PlotTypeFromHint(std::uint32_t field);
// The hint field that asks for a plot type; a polar plot is asked for as I and Q.
std::uint32_t HintFieldOf(PlotType type);

// Ids of the plot menus' commands (the Filter and Response ids are the response plot's).
inline constexpr CommandId kCmdTypeInphaseAmplitude = 33001;
inline constexpr CommandId kCmdTypeQuadratureAmplitude = 33002;
inline constexpr CommandId kCmdTypeIAndQAmplitudes = 33003;
inline constexpr CommandId kCmdTypeComplexMagnitude = 33004;
inline constexpr CommandId kCmdTypeComplexPhase = 33005;
inline constexpr CommandId kCmdTypePolar = 33006;
inline constexpr CommandId kCmdStyleLine = 33010;
inline constexpr CommandId kCmdStyleDot = 33011;
inline constexpr CommandId kCmdStyleLineAndDot = 33012;
inline constexpr CommandId kCmdStyleBar = 33013;
inline constexpr CommandId kCmdXAxis = 33020;
inline constexpr CommandId kCmdYAxis = 33021;
inline constexpr CommandId kCmdTitles = 33022;
inline constexpr CommandId kCmdFont = 33023;
inline constexpr CommandId kCmdProperties = 33024;
inline constexpr CommandId kCmdZoomNext = 33030;
inline constexpr CommandId kCmdZoomOut = 33031;
inline constexpr CommandId kCmdZoomIn = 33032;
inline constexpr CommandId kCmdZoomTop = 33033;
inline constexpr CommandId kCmdZoomBottom = 33034;
inline constexpr CommandId kCmdCopyImage = 33040;
inline constexpr CommandId kCmdCopyData = 33041;
inline constexpr CommandId kCmdWriteData = 33042;

// The options of a graph that the Plot Properties dialog edits (besides style and origin).
struct GraphOptions {
    bool reextractOnResize = true;  // a size change extracts the data anew
    bool autoTitles = true;         // titles follow the plot type and the data
    bool magnitudeInDb = true;      // magnitudes of a spectrum are shown in dB
    bool sumFreqMag = true;         // reduced power points of a spectrum are sums
    bool zoomFullDecade = true;     // zooms on a log axis widen to whole decades
    bool integerPointReduction = false;
};

// The interactive plot of a complex signal or spectrum: it chooses what to plot from the
// two channels, reduces many samples to one point per pixel column, titles itself, shows
// Inphase against Quadrature as a polar plot, zooms to dragged ranges with saved zoom
// levels, and reads out clicked points. It shows the data set delivered by the first update
// that names one and never owns it.
class CGraph : public CAxisPlot {
public:
    CGraph() = default;

    // Binds to the first signal an update with action 1 names, follows that signal's real
    // and complex switches, and chooses the plot type and the defaults for its kind of
    // data. Every update clears the series and repaints.
    void OnUpdate(CView* sender, std::uint32_t hint, CDataSet* object) override;
    ViewKind Kind() const override { return ViewKind::Graph; }
    const CDataSet* ViewData() const override { return data_; }

    // The axis ranges of the visible data for the plot type.
    PlotWarnings GetDataRange() override;
    // Ends the mouse tracking of the last drawing and shows the zoom status.
    void OnDrawDone(DrawContext& dc) override;
    // Fills the series with one point per pixel column (or per group of samples) for the
    // plot type, narrowing the width so that the samples divide evenly, and titles the plot.
    void ExtractData(int& plotWidth) override;
    bool HasData() const override;
    // Time or frequency in the unit of the data; the Inphase axis of a polar plot has none.
    UnitLabel XAxisUnit(int powerOfTen) const override;

    // Shows the readout of plotted point index on the status line: the point, or the bin
    // under it when the same bin is clicked twice in a row.
    virtual void ShowPointReadout(std::int32_t index);
    // Shows the axis range x1 to x2 of the data; false when that range is too narrow.
    virtual bool SetViewRange(double x1, double x2, bool strict);

    // The window changed its size: the reduction follows the new width.
    void OnSize();

    // ---- Commands ------------------------------------------------------------------------

    // The commands of the plot's menu and context menu, in menu order.
    virtual const CommandTable<CGraph>& Commands() const;

    // Changes the plot type. Changing into or out of polar mode resets the zoom levels, and
    // asks first when there are any.
    void OnPlotType(PlotType type);
    bool IsPlotTypeEnabled(PlotType type) const;
    bool IsPlotTypeChecked(PlotType type) const { return plotType_ == type; }

    // Plot Properties: style, origin at zero and the options; on OK the axes rescale.
    void OnProperties();
    // Titles: the current titles in the dialog; on OK they replace the automatic ones.
    void OnTitles();
    // Properties, Titles and the axis commands need data.
    bool IsDataCommandEnabled() const { return HasData(); }

    // ---- Zoom ----------------------------------------------------------------------------

    void NavigateZoom(ZoomMove move);
    bool IsZoomEnabled(ZoomMove move) const;
    bool IsZoomChecked(ZoomMove move) const;
    // Shows all of the data again and forgets the zoom levels.
    void ResetZoom() override;
    // Zooms to the pixel rectangle along X, Y or both, keeping the view it leaves as a
    // level.
    void ZoomTo(const Rect& rectangle, bool zoomX, bool zoomY);

    // ---- Navigation ----------------------------------------------------------------------

    // The wheel: zooms by notches (forward zooms in) about a pixel along X, Y or both, so
    // that the values under the pixel stay under it. Every zoom keeps the view it leaves as
    // a level.
    void WheelZoom(Point at, double notches, bool zoomX, bool zoomY);
    // A drag that pans: the view follows the pointer from where the drag began, and the
    // view it left is one level.
    void BeginPan(Point at);
    void PanTo(Point at);
    void EndPan();
    bool IsPanning() const { return panStart_.has_value(); }
    // The keys: zoom by notches about the middle of the plot, and pan by fractions of the
    // spans (toward larger values when positive).
    void ZoomByStep(double notches);
    void PanByStep(double xFraction, double yFraction);
    // Back to the automatic axes over all of the data; the view it leaves is a level.
    void AutomaticAxes();

    // Reopening: the hint of the plot type, the ranges while an axis is not automatic, and
    // those ranges shown again.
    std::uint32_t ReopenHint() const override;
    std::optional<ViewSpans> ZoomedSpans() const override;
    void RestoreSpans(const ViewSpans& spans) override;
    // A zoom or pan changes the axis labels and so may move the plot area's edges; the
    // drawing after it then moves the view back under the pointer and asks to be drawn
    // again (a few times at most). True when it did; the request is then cleared.
    bool TakeRedrawRequest();

    // ---- Mouse ---------------------------------------------------------------------------

    // The left button: a press starts the rubber band, moves drag it, a release zooms or
    // reads out the clicked point. They do nothing until a drawing has laid the plot out.
    void OnLButtonDown(Point point);
    void OnMouseMove(Point point, bool leftButtonDown);
    void OnLButtonUp(Point point);
    // A right click: true when the context menu (the commands) should be shown.
    bool OnContextMenu();

    // The plotted point nearest to a pixel, by the plot type's rule; none without points.
    std::optional<std::int32_t> NearestPoint(Point pixel) const;

    // ---- State ---------------------------------------------------------------------------

    PlotType GetPlotType() const { return plotType_; }
    GraphOptions& Options() { return options_; }
    const GraphOptions& Options() const { return options_; }
    std::int32_t PointsPerGroup() const { return pointsPerGroup_; }
    double ReductionRatio() const { return reductionRatio_; }
    const CZoomList& ZoomLevels() const { return zoomList_; }
    const CRubberBand& RubberBand() const { return rubberBand_; }
    CLumenData* Data() const { return data_; }

protected:
    void SetPlotType(PlotType type) { plotType_ = type; }
    void SetData(CLumenData* data) { data_ = data; }
    void SetTitlesSource(CTitlesDlg* source) { titlesSource_ = source; }
    bool LastRealState() const { return realState_; }
    void SetLastRealState(bool isReal) { realState_ = isReal; }
    // Whether the last drawing laid out a plot area that the mouse can act on.
    bool IsPlotAreaValid() const;

    // The X range that holds all of the data; panning and zooming stay within it.
    virtual AxisSpan FullXSpan() const;

    // The commands every graph has after its Type or Filter and Response popups: style,
    // axes, titles, font, properties, zoom, copy and write.
    static std::vector<Command<CGraph>> PlotMenuCommands();

private:
    void ApplyDataDefaults();
    // The grouped points of one quantity over the visible range.
    GroupedPoints GroupQuantity(RangeQuantity quantity, bool sumMode) const;
    // Fills X and the group sizes from the first quantity extracted in a drawing.
    void AppendPoints(const GroupedPoints& points);
    void ExtractQuantity(RangeQuantity quantity, CDoubleArray& target);
    void ExtractPolarSamples();
    // A power as shown: its square root, or dB of a spectrum when magnitudes are in dB.
    double ShownPower(double power) const;
    std::int32_t LogAxisGroupSize() const;
    void SetAutomaticTitles();
    std::string ReductionNote() const;
    std::string YTitleOfType() const;
    std::string PointReadoutText(std::int32_t index, std::int32_t bin) const;
    std::string BinReadoutText(std::int32_t bin) const;
    // Channel values at a bin; a negative bin reads index 0 of time data and bin + N of a
    // spectrum.
    std::optional<std::pair<double, double>> SampleAt(std::int32_t bin) const;
    void Repaint();
    // Shows exactly the spans given, as manual axes (an axis without one stays as it is),
    // keeping the view it leaves as a level when asked. False when nothing changed.
    bool ShowSpans(const std::optional<AxisSpan>& x, const std::optional<AxisSpan>& y,
                   bool saveLevel);

    // The values that must stay under a pixel after a wheel zoom or a pan.
    struct Anchor {
        // Labels whose widths change with the span can move the edges back and forth; the
        // view is left after this many corrections, a pixel or two from the pointer.
        static constexpr int kMostCorrections = 2;
        Point pixel;
        double x = 0.0;
        double y = 0.0;
        bool keepX = true;  // only the axes zoomed or panned are moved back
        bool keepY = true;
        int corrections = 0;
    };
    void KeepAnchor();

    // Where a pan began, the values grabbed there and the spans shown then.
    struct PanStart {
        Anchor grabbed;
        AxisSpan x;
        AxisSpan y;
        bool levelSaved = false;
    };

    PlotType plotType_ = PlotType::None;
    GraphOptions options_;
    bool realState_ = true;  // the data's real flag as last seen
    std::int32_t pointsPerGroup_ = 0;
    double reductionRatio_ = 0.0;
    CTitlesDlg* titlesSource_ = nullptr;  // the data's plot titles; not owned
    std::string dataTitle_;               // the data's name, the automatic main title
    CZoomList zoomList_;
    CRubberBand rubberBand_;
    CLumenData* data_ = nullptr;              // not owned
    std::optional<std::int32_t> readoutBin_;  // the bin of the last point readout
    std::optional<PanStart> panStart_;
    std::optional<Anchor> anchor_;
    bool redrawRequested_ = false;
};

}  // namespace tapwright
