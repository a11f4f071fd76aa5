#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "fileio/TitlesDlg.h"
#include "math/ChannelSelection.h"
#include "plot/Graph.h"

namespace tapwright {

class CFirData;

// Ids of the response plot's Filter and Response commands.
inline constexpr CommandId kCmdFilterInphase = 32944;
inline constexpr CommandId kCmdFilterQuadrature = 32945;
inline constexpr CommandId kCmdFilterIAndQ = 32946;
inline constexpr CommandId kCmdFilterComplex = 32947;
inline constexpr CommandId kCmdResponseMagnitude = 32931;
inline constexpr CommandId kCmdResponsePhase = 32927;
inline constexpr CommandId kCmdResponseUnwrappedPhase = 32948;
inline constexpr CommandId kCmdResponsePhaseDelay = 32949;
inline constexpr CommandId kCmdResponseGroupDelay = 32950;

// The frequency response window of a filter: the magnitude, phase, unwrapped phase, phase
// delay or group delay (the graph's plot type is the display kind) of the Inphase,
// Quadrature, both or the complex filter. The traces are evaluated at one frequency per
// pixel column of the band from -Fs/2 to Fs/2 that is in view, and at 128 frequencies when
// the axes are scaled. A designed filter's specification is drawn over its magnitude.
class CFirPlot : public CGraph {
public:
    CFirPlot();

    // Attaches to the filter of the first update that opens a response plot (action 3),
    // taking the display kind and the selection from the hint; follows the filter's real
    // and complex switches and its sampling frequency (action 5).
    void OnUpdate(CView* sender, std::uint32_t hint, CDataSet* object) override;
    ViewKind Kind() const override { return ViewKind::FrequencyResponse; }

    // Evaluates the traces on the autoscale grid of the frequency range and hands their
    // range to the axes.
    PlotWarnings GetDataRange() override;
    // After the graph's own part, the specification limits of a designed filter.
    void OnDrawDone(DrawContext& dc) override;
    // Evaluates the traces at one frequency per pixel column, then sets the titles.
    void ExtractData(int& plotWidth) override;
    bool HasData() const override;
    // Frequencies in the filter's frequency unit; delays in its time unit.
    UnitLabel XAxisUnit(int powerOfTen) const override;
    UnitLabel YAxisUnit(int powerOfTen) const override;
    // The response at a trace point, on the status line.
    void ShowPointReadout(std::int32_t index) override;
    // Takes the range as the frequency range; any range will do.
    bool SetViewRange(double x1, double x2, bool strict) override;
    // The frequencies from 0 (or -Fs/2 for the complex filter) to Fs/2.
    AxisSpan FullXSpan() const override;
    // The response and the filter shown.
    std::uint32_t ReopenHint() const override;

    const CommandTable<CGraph>& Commands() const override;

    // The Filter commands. The Response commands are the graph's plot type commands with
    // the display kinds.
    void OnSelection(ChannelSelection selection);

    // Turns phase traces into the unwrapped phase, the phase delay or the group delay of
    // the display kind.
    void PostProcessTraces();

    // The text of the readout of a trace point.
    std::string ReadoutText(std::int32_t index) const;

    ChannelSelection Selection() const { return selection_; }
    PlotType DisplayKind() const { return GetPlotType(); }
    const CTitlesDlg& TitlesRecord() const { return titles_; }
    CFirData* Filter() const { return filter_; }

private:
    void Attach(CFirData& filter, std::uint32_t hintValue);
    // Evaluates the traces of the selection at the frequencies into the series.
    void EvaluateTraces(std::span<const double> frequencies);
    void SetTitles();
    void DrawSpecificationLimits(DrawContext& dc);
    // The ripple limits of a differentiator band from column c1 to c2, in dB.
    void DrawSlopeLimits(DrawContext& dc, int c1, int c2, double gain, double ripple);
    bool WantsPhase() const { return DisplayKind() != PlotType::ComplexMagnitude; }

    CTitlesDlg titles_;
    ChannelSelection selection_ = ChannelSelection::Inphase;
    CFirData* filter_ = nullptr;  // not owned
};

}  // namespace tapwright
