#include "plot/FirPlot.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "design/FirData.h"
#include "numtext/NumString.h"
#include "platform/UserInterface.h"
#include "plot/AutoscaleGrid.h"
#include "plot/PhaseTrace.h"
#include "plot/ResponseHintField.h"

namespace tapwright {

namespace {

// The value axis a new plot starts with, until its first range computation.
constexpr double kInitialValueMinimum = -100.0;
constexpr double kInitialValueMaximum = 20.0;

constexpr Pen kLimitPen{PenStyle::Dashed, 1, kBlack};

std::span<double> Values(CDoubleArray& array) {
    return {array.Data(), static_cast<std::size_t>(array.GetSize())};
}

void PostProcess(PlotType kind, std::span<const double> frequencies, std::span<double> trace) {
    if (trace.empty() || kind == PlotType::ComplexMagnitude || kind == PlotType::ComplexPhase) {
        return;
    }
    UnwrapPhase(trace);
    if (kind == PlotType::PhaseDelay) {
        PhaseToPhaseDelay(frequencies, trace);
    } else if (kind == PlotType::GroupDelay) {
        PhaseToGroupDelay(frequencies, trace);
    }
}

struct ReadoutQuantity {
    const char* name;
    std::string unit;
};

Command<CGraph> SelectionCommand(CommandId id, const char* text, ChannelSelection selection) {
    return {id,
            "&Plot/Filter",
            text,
            {},
            [selection](CGraph& graph) { static_cast<CFirPlot&>(graph).OnSelection(selection); },
            {},
            [selection](const CGraph& graph) {
                return static_cast<const CFirPlot&>(graph).Selection() == selection;
            }};
}

Command<CGraph> KindCommand(CommandId id, const char* text, PlotType kind) {
    return {id,
            "&Plot/Response",
            text,
            {},
            [kind](CGraph& graph) { graph.OnPlotType(kind); },
            {},
            [kind](const CGraph& graph) { return graph.IsPlotTypeChecked(kind); }};
}

}  // namespace

CFirPlot::CFirPlot() {
    SetTitlesSource(&titles_);
}

// ---- Updates ---------------------------------------------------------------------------

void CFirPlot::OnUpdate(CView*, std::uint32_t hintValue, CDataSet* object) {
    if (object == nullptr && filter_ == nullptr) {
        return;
    }
    const std::uint32_t action = hint::Action(hintValue);
    bool attached = false;
    if (filter_ == nullptr && action == hint::kOpenResponse) {
        if (auto* filter = dynamic_cast<CFirData*>(object)) {
            Attach(*filter, hintValue);
            attached = true;
        }
    }
    if (filter_ != nullptr && (object == nullptr || object == filter_)) {
        forceRescale = true;
        const bool isReal = filter_->IsReal();
        if (isReal != LastRealState()) {
            if (isReal) {
                XState().minimum = 0.0;
                selection_ = ChannelSelection::Inphase;
            } else if (selection_ == ChannelSelection::Inphase) {
                XState().minimum = -XState().maximum;
                selection_ = ChannelSelection::ComplexFilter;
            }
        }
        SetLastRealState(isReal);
        if (attached || action == hint::kSampleRate) {
            const double half = filter_->GetFrequencyUnits().GetSampleRate() * 0.5;
            XState().maximum = half;
            XState().minimum = selection_ == ChannelSelection::ComplexFilter ? -half : 0.0;
            forceRescale = true;
        }
    }
    ClearSeries();
    Invalidate();
}

void CFirPlot::Attach(CFirData& filter, std::uint32_t hintValue) {
    filter_ = &filter;
    SetData(&filter);
    Titles().main = filter.GetName();
    titles_.mainTitle = filter.GetName();
    YAxis().minimum = kInitialValueMinimum;
    YAxis().maximum = kInitialValueMaximum;
    YState().minimum = kInitialValueMinimum;
    YState().maximum = kInitialValueMaximum;
    SetPlotType(PlotTypeFromHint(hint::Field1(hintValue)));
    selection_ = ResponseSelectionOfHintField(hint::Field2(hintValue));
}

bool CFirPlot::HasData() const {
    return filter_ != nullptr && filter_->Inphase().GetNumPoints() >= 1;
}

std::uint32_t CFirPlot::ReopenHint() const {
    return hint::kOpenResponse + 16 * HintFieldOf(DisplayKind()) +
           256 * ResponseHintField(selection_);
}

AxisSpan CFirPlot::FullXSpan() const {
    if (filter_ == nullptr) {
        return CGraph::FullXSpan();
    }
    const double half = filter_->GetFrequencyUnits().GetSampleRate() * 0.5;
    return {selection_ == ChannelSelection::ComplexFilter ? -half : 0.0, half};
}

bool CFirPlot::SetViewRange(double x1, double x2, bool) {
    XState().minimum = x1;
    XState().maximum = x2;
    return true;
}

// ---- Traces ----------------------------------------------------------------------------

void CFirPlot::EvaluateTraces(std::span<const double> frequencies) {
    PlotSeries& series = Series();
    series.Clear();
    const auto count = static_cast<std::int32_t>(frequencies.size());
    for (const double f : frequencies) {
        series.x.Add(f);
    }
    const bool both = selection_ == ChannelSelection::InphaseAndQuadrature;
    const ChannelSelection first = both ? ChannelSelection::Inphase : selection_;
    series.y.SetSize(count);
    filter_->GetPlotValues(first, WantsPhase(), frequencies, Values(series.y));
    if (both) {
        series.y2.SetSize(count);
        filter_->GetPlotValues(ChannelSelection::Quadrature, WantsPhase(), frequencies,
                               Values(series.y2));
    }
}

void CFirPlot::PostProcessTraces() {
    PlotSeries& series = Series();
    PostProcess(DisplayKind(), Values(series.x), Values(series.y));
    PostProcess(DisplayKind(), Values(series.x), Values(series.y2));
}

PlotWarnings CFirPlot::GetDataRange() {
    if (filter_ == nullptr) {
        return {};
    }
    const double xMin = XState().minimum;
    const double xMax = XState().maximum;
    EvaluateTraces(AutoscaleGrid(xMin, xMax));
    PostProcessTraces();
    const std::optional<TraceRange> range =
        TraceValueRange(Values(Series().y), Values(Series().y2));
    ClearSeries();
    // Without a frequency to evaluate the value axis keeps its range.
    return SetRanges(xMin, xMax, range ? range->lo : YState().minimum,
                     range ? range->hi : YState().maximum);
}

void CFirPlot::ExtractData(int&) {
    ClearSeries();
    if (!HasData()) {
        return;
    }
    // One frequency per pixel column; nothing beyond +/- Fs/2 is ever evaluated.
    const double half = filter_->GetFrequencyUnits().GetSampleRate() * 0.5;
    const int first = std::max(XToPixel(XState().minimum), XToPixel(-half));
    const int last = std::min(XToPixel(half), XToPixel(XState().maximum));
    std::vector<double> frequencies;
    if (last >= first) {
        frequencies.reserve(static_cast<std::size_t>(last - first) + 1);
    }
    for (int column = first; column <= last; ++column) {
        frequencies.push_back(PixelToX(column));
    }
    EvaluateTraces(frequencies);
    PostProcessTraces();
    SetTitles();
}

// ---- Titles and readout ----------------------------------------------------------------

void CFirPlot::SetTitles() {
    if (Options().autoTitles) {
        titles_.xTitle = "Frequency in " + XAxisUnit(XState().powerOfTen).unit;
        const auto delayTitle = [&](const char* quantity) {
            return quantity + YAxisUnit(YState().powerOfTen).unit;
        };
        switch (DisplayKind()) {
            case PlotType::ComplexPhase:
                titles_.yTitle = "Phase in Degrees";
                break;
            case PlotType::UnwrappedPhase:
                titles_.yTitle = "Unwrapped Phase in Degrees";
                break;
            case PlotType::PhaseDelay:
                titles_.yTitle = delayTitle("Phase Delay in ");
                break;
            case PlotType::GroupDelay:
                titles_.yTitle = delayTitle("Group Delay in ");
                break;
            default:
                titles_.yTitle = "Magnitude in dB";
                break;
        }
        switch (selection_) {
            case ChannelSelection::Quadrature:
                titles_.mainTitle = "Quadrature Filter Frequency Response";
                break;
            case ChannelSelection::InphaseAndQuadrature:
                titles_.mainTitle = "Inphase and Quadrature Filter Frequency Responses";
                break;
            case ChannelSelection::ComplexFilter:
                titles_.mainTitle = "Complex Filter Frequency Response";
                break;
            case ChannelSelection::Inphase:
                titles_.mainTitle = "Inphase Filter Frequency Response";
                break;
        }
    }
    Titles().main = titles_.mainTitle;
    Titles().x = titles_.xTitle;
    Titles().y = titles_.yTitle;
}

UnitLabel CFirPlot::XAxisUnit(int powerOfTen) const {
    if (filter_ == nullptr) {
        return CPlot::XAxisUnit(powerOfTen);
    }
    return filter_->GetFrequencyUnits().FrequencyLabel(powerOfTen);
}

UnitLabel CFirPlot::YAxisUnit(int powerOfTen) const {
    if (filter_ == nullptr ||
        (DisplayKind() != PlotType::PhaseDelay && DisplayKind() != PlotType::GroupDelay)) {
        return CPlot::YAxisUnit(powerOfTen);
    }
    return filter_->GetFrequencyUnits().TimeLabel(powerOfTen);
}

std::string CFirPlot::ReadoutText(std::int32_t index) const {
    const PlotSeries& series = Series();
    const CFreqUnits& units = filter_->GetFrequencyUnits();
    const double f = series.x[index];
    const int k = EngineeringExponent(f);
    const UnitLabel frequency = units.FrequencyLabel(k);
    const double shown = f / std::pow(10.0, k - frequency.exponent);
    std::string text = "At " + CNumString(shown, 3, Notation::Engineering).Text();
    if (!frequency.unit.empty()) {
        text += " " + frequency.unit;
    }
    text += ",";

    ReadoutQuantity quantity{"gain", "dB"};
    switch (DisplayKind()) {
        case PlotType::ComplexPhase:
            quantity = {"phase", "degrees"};
            break;
        case PlotType::UnwrappedPhase:
            quantity = {"unwrapped phase", "degrees"};
            break;
        case PlotType::PhaseDelay:
            quantity = {"phase delay", units.TimeUnit()};
            break;
        case PlotType::GroupDelay:
            quantity = {"group delay", units.TimeUnit()};
            break;
        default:
            break;
    }
    const auto value = [](double v) { return CNumString(v, 2, Notation::Engineering).Text(); };
    const std::string name = quantity.name;
    text += " Inphase filter " + name + " is " + value(series.y[index]) + " " + quantity.unit;
    if (index < series.y2.GetSize()) {
        text += " and Quadrature filter " + name + " is " + value(series.y2[index]) + " " +
                quantity.unit;
    }
    return text + ".";
}

void CFirPlot::ShowPointReadout(std::int32_t index) {
    const PlotSeries& series = Series();
    if (filter_ == nullptr || index < 0 ||
        index >= std::min(series.x.GetSize(), series.y.GetSize())) {
        return;
    }
    Ui().ShowStatus(ReadoutText(index));
}

// ---- Specification limits --------------------------------------------------------------

void CFirPlot::OnDrawDone(DrawContext& dc) {
    CGraph::OnDrawDone(dc);
    if (filter_ != nullptr && filter_->IsDesigned() && filter_->IsAttnInDb() &&
        DisplayKind() == PlotType::ComplexMagnitude) {
        DrawSpecificationLimits(dc);
    }
}

void CFirPlot::DrawSpecificationLimits(DrawContext& dc) {
    const double sampleRate = filter_->GetFrequencyUnits().GetSampleRate();
    const double fMin = XState().minimum;
    const double fMax = XState().maximum;
    const auto drawLevel = [&](int c1, int c2, double level) {
        if (level < YState().minimum || level > YState().maximum) {
            return;
        }
        const int row = YToPixel(level);
        dc.MoveTo({c1, row});
        dc.LineTo({c2, row});
    };
    for (std::int32_t band = 0; band < filter_->GetNumBands(); ++band) {
        double lower = sampleRate * filter_->GetLowerEdge(band);
        double upper = sampleRate * filter_->GetUpperEdge(band);
        if (upper < fMin || lower > fMax) {
            continue;
        }
        lower = std::max(lower, fMin);
        upper = std::min(upper, fMax);
        const PenGuard pen(dc, kLimitPen);
        const int c1 = XToPixel(lower);
        const int c2 = XToPixel(upper);
        if (filter_->IsPassband(band)) {
            const double gain = filter_->GetDesiredDisplay(band, true);
            const double ripple = filter_->GetAttnRippleDisplay(band, true);
            if (filter_->GetResponseType() == ResponseType::Differentiator) {
                DrawSlopeLimits(dc, c1, c2, gain, ripple);
                continue;
            }
            drawLevel(c1, c2, gain - ripple / 2.0);
            drawLevel(c1, c2, gain + ripple / 2.0);
        } else {
            drawLevel(c1, c2, -filter_->GetAttnRippleDisplay(band, true));
        }
    }
}

// A differentiator's desired gain is its slope times the frequency (in cycles per sample),
// and its allowed deviation grows with the frequency too: in dB its limits are the slope's
// level plus 20 log10 f, half the ripple above and below. They are drawn column by column,
// wherever they lie within the value axis.
void CFirPlot::DrawSlopeLimits(DrawContext& dc, int c1, int c2, double gain, double ripple) {
    const double sampleRate = filter_->GetFrequencyUnits().GetSampleRate();
    for (const double offset : {-ripple / 2.0, ripple / 2.0}) {
        std::optional<Point> previous;
        for (int column = c1; column <= c2; ++column) {
            const double f = PixelToX(column) / sampleRate;
            const double level = gain + offset + 20.0 * std::log10(f);
            // At 0 Hz the level lies infinitely far below (and NaN below 0 Hz).
            if (!(f > 0.0) || !(level >= YState().minimum && level <= YState().maximum)) {
                previous.reset();
                continue;
            }
            const Point point{column, YToPixel(level)};
            if (previous) {
                dc.MoveTo(*previous);
                dc.LineTo(point);
            }
            previous = point;
        }
    }
}

// ---- Commands --------------------------------------------------------------------------

void CFirPlot::OnSelection(ChannelSelection selection) {
    selection_ = selection;
    ClearSeries();
    Invalidate();
}

const CommandTable<CGraph>& CFirPlot::Commands() const {
    static const CommandTable<CGraph> table = [] {
        std::vector<Command<CGraph>> commands = {
            SelectionCommand(kCmdFilterInphase, "&Inphase", ChannelSelection::Inphase),
            SelectionCommand(kCmdFilterQuadrature, "&Quadrature", ChannelSelection::Quadrature),
            SelectionCommand(kCmdFilterIAndQ, "I &And Q", ChannelSelection::InphaseAndQuadrature),
            SelectionCommand(kCmdFilterComplex, "&Complex", ChannelSelection::ComplexFilter),
            KindCommand(kCmdResponseMagnitude, "&Magnitude", PlotType::ComplexMagnitude),
            KindCommand(kCmdResponsePhase, "&Phase", PlotType::ComplexPhase),
            KindCommand(kCmdResponseUnwrappedPhase, "&Unwrapped Phase", PlotType::UnwrappedPhase),
            KindCommand(kCmdResponsePhaseDelay, "Phase &Delay", PlotType::PhaseDelay),
            KindCommand(kCmdResponseGroupDelay, "&Group Delay", PlotType::GroupDelay),
        };
        for (Command<CGraph>& command : PlotMenuCommands()) {
            commands.push_back(std::move(command));
        }
        return CommandTable<CGraph>(std::move(commands));
    }();
    return table;
}

}  // namespace tapwright
