#include "plot/Graph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "fileio/TitlesDlg.h"
#include "numtext/NumString.h"
#include "platform/UserInterface.h"
#include "plot/AxisDlg.h"
#include "plot/PlotPropsDlg.h"

namespace tapwright {

namespace {

// A time signal this short is drawn with a dot on every sample.
constexpr std::int32_t kMostDottedPoints = 256;
// Samples across the axis of a polar plot, which has no sample axis to count them on.
constexpr double kPolarSamplesAcross = 4096.0;
// Where along a log axis the group size of integer reduction is measured.
constexpr double kLogGroupPosition = 0.4;

constexpr const char* kIntoPolarQuestion =
    "Changing to Polar mode will reset all zoom levels.\nDo you want to change to Polar Mode?";
constexpr const char* kOutOfPolarQuestion =
    "Changing out of Polar mode will reset all zoom levels.\nDo you want to change out of "
    "Polar Mode?";

// The main title of a polar plot of a signal: it shows both channels, so a name that
// names one channel ("FIR Inphase Impulse Response") names the complex signal instead, and
// the title says that Inphase is plotted against Quadrature.
std::string PolarTitle(const std::string& name) {
    std::string title = name;
    for (const std::string channel : {"Inphase", "Quadrature"}) {
        const std::string word = " " + channel + " ";
        const std::size_t at = (" " + title + " ").find(word);
        if (at != std::string::npos) {
            title.replace(at, channel.size(), "Complex");
            break;
        }
    }
    return title.empty() ? "Inphase vs. Quadrature" : title + " (I vs. Q)";
}

std::string Printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

ValueRange Union(const ValueRange& a, const ValueRange& b) {
    return {std::min(a.min, b.min), std::max(a.max, b.max)};
}

Command<CGraph> TypeCommand(CommandId id, const char* text, PlotType type) {
    return {id,
            "&Plot/Type",
            text,
            {},
            [type](CGraph& graph) { graph.OnPlotType(type); },
            [type](const CGraph& graph) { return graph.IsPlotTypeEnabled(type); },
            [type](const CGraph& graph) { return graph.IsPlotTypeChecked(type); }};
}

Command<CGraph> StyleCommand(CommandId id, const char* text, PlotStyle style) {
    return {id,
            "&Plot/Style",
            text,
            {},
            [style](CGraph& graph) { graph.OnStyle(style); },
            {},
            [style](const CGraph& graph) { return graph.IsStyleChecked(style); }};
}

Command<CGraph> ZoomCommand(CommandId id, const char* text, ZoomMove move) {
    return {id,
            "&Plot",
            text,
            {},
            [move](CGraph& graph) { graph.NavigateZoom(move); },
            [move](const CGraph& graph) { return graph.IsZoomEnabled(move); },
            [move](const CGraph& graph) { return graph.IsZoomChecked(move); }};
}

Command<CGraph> PlainCommand(CommandId id, const char* path, const char* text,
                             void (*handler)(CGraph&), bool needsData) {
    Command<CGraph> command{id, path, text, {}, handler, {}, {}};
    if (needsData) {
        command.enabled = [](const CGraph& graph) { return graph.IsDataCommandEnabled(); };
    }
    return command;
}

}  // namespace

std::uint32_t HintFieldOf(PlotType type) {
    switch (type) {
        case PlotType::QuadratureAmplitude:
            return 2;
        case PlotType::IAndQAmplitudes:
        case PlotType::Polar:
            return 3;
        case PlotType::ComplexMagnitude:
            return 4;
        case PlotType::ComplexPhase:
            return 5;
        case PlotType::UnwrappedPhase:
            return 6;
        case PlotType::PhaseDelay:
            return 7;
        case PlotType::GroupDelay:
            return 8;
        default:
            return 1;
    }
}

PlotType PlotTypeFromHint(std::uint32_t field) {
    switch (field) {
        case 2:
            return PlotType::QuadratureAmplitude;
        case 3:
            return PlotType::IAndQAmplitudes;
        case 4:
            return PlotType::ComplexMagnitude;
        case 5:
            return PlotType::ComplexPhase;
        case 6:
            return PlotType::UnwrappedPhase;
        case 7:
            return PlotType::PhaseDelay;
        case 8:
            return PlotType::GroupDelay;
        default:
            return PlotType::InphaseAmplitude;
    }
}

// ---- Binding ---------------------------------------------------------------------------

void CGraph::OnUpdate(CView*, std::uint32_t hintValue, CDataSet* object) {
    const std::uint32_t action = hint::Action(hintValue);
    if (data_ == nullptr && action == hint::kShowChannel) {
        if (auto* signal = dynamic_cast<CLumenData*>(object)) {
            data_ = signal;
            realState_ = signal->IsReal();
        }
    }
    if (data_ != nullptr && object == data_) {
        if (titlesSource_ == nullptr || action == hint::kSampleRate) {
            titlesSource_ = &data_->GetFormat().PlotTitles();
            dataTitle_ = data_->GetName();
            Titles().main = dataTitle_;
        }
        if (action == hint::kSampleRate) {
            const bool isReal = data_->IsReal();
            if (data_->IsTimeData() && isReal != realState_) {
                if (isReal) {
                    plotType_ = PlotType::InphaseAmplitude;
                } else if (plotType_ == PlotType::InphaseAmplitude) {
                    plotType_ = PlotType::IAndQAmplitudes;
                }
            }
            realState_ = isReal;
        } else {
            if (plotType_ == PlotType::None) {
                plotType_ = PlotTypeFromHint(hint::Field1(hintValue));
            }
            ApplyDataDefaults();
        }
    }
    Repaint();
}

void CGraph::ApplyDataDefaults() {
    if (data_->IsTimeData()) {
        const std::int64_t points =
            static_cast<std::int64_t>(data_->GetRangeLast()) - data_->GetRangeFirst() + 1;
        SetOriginAtZero(true);
        SetStyle(points <= kMostDottedPoints ? PlotStyle::LineAndDot : PlotStyle::Line);
        options_.integerPointReduction = false;
    } else {
        SetOriginAtZero(false);
        SetStyle(PlotStyle::Bar);
        options_.integerPointReduction = true;
    }
}

bool CGraph::HasData() const {
    return data_ != nullptr && data_->GetNumPoints() > 0;
}

UnitLabel CGraph::XAxisUnit(int powerOfTen) const {
    // The Inphase axis of a polar plot has no unit.
    if (data_ == nullptr || IsPolar()) {
        return CAxisPlot::XAxisUnit(powerOfTen);
    }
    return data_->AxisUnitLabel(powerOfTen);
}

bool CGraph::SetViewRange(double x1, double x2, bool strict) {
    return data_ != nullptr && data_->SetRangeAxis(x1, x2, strict, false);
}

void CGraph::OnSize() {
    if (data_ != nullptr && options_.reextractOnResize) {
        Repaint();
    }
}

void CGraph::Repaint() {
    ClearSeries();
    Invalidate();
}

// ---- Ranges and extraction -------------------------------------------------------------

double CGraph::ShownPower(double power) const {
    if (options_.magnitudeInDb && !data_->IsTimeData()) {
        return data_->ToDb(power, true);
    }
    return std::sqrt(power);
}

PlotWarnings CGraph::GetDataRange() {
    if (!HasData()) {
        return {};
    }
    SetPolar(false);
    const AxisRange axis = data_->GetRangeAxis();
    double xMin = axis.first;
    double xMax = axis.last;
    ValueRange y;
    switch (plotType_) {
        case PlotType::InphaseAmplitude:
            y = data_->GetRangeMinMax(RangeQuantity::Inphase);
            break;
        case PlotType::QuadratureAmplitude:
            y = data_->GetRangeMinMax(RangeQuantity::Quadrature);
            break;
        case PlotType::IAndQAmplitudes:
            y = Union(data_->GetRangeMinMax(RangeQuantity::Inphase),
                      data_->GetRangeMinMax(RangeQuantity::Quadrature));
            break;
        case PlotType::ComplexMagnitude: {
            const ValueRange power = data_->GetRangeMinMax(RangeQuantity::Power);
            y = {ShownPower(power.min), ShownPower(power.max)};
            break;
        }
        case PlotType::ComplexPhase:
            y = data_->GetRangeMinMax(RangeQuantity::Phase);
            break;
        case PlotType::Polar: {
            SetPolar(true);
            const ValueRange inphase = data_->GetRangeMinMax(RangeQuantity::Inphase);
            y = data_->GetRangeMinMax(RangeQuantity::Quadrature);
            xMin = inphase.min;
            xMax = inphase.max;
            // Equal spans, so that a circle stays round.
            const double xSpan = xMax - xMin;
            const double ySpan = y.max - y.min;
            if (xSpan > ySpan) {
                y.max = y.min + xSpan;
            } else {
                xMax = xMin + ySpan;
            }
            break;
        }
        default:
            xMin = xMax = 0.0;
            break;
    }
    if (XAxis().log && xMin <= 0.0) {
        // A log axis starts half a decade below the first sample after zero.
        const double firstStep = data_->IndexToAxis(1);
        xMin = firstStep > 0.0 ? PowerOfTenFloor(firstStep) * 0.5 : xMax * 0.1;
        if (xMin * 10.0 > xMax) {
            xMin = xMax * 0.1;
        }
        forceRescale = true;
    }
    return SetRanges(xMin, xMax, y.min, y.max);
}

std::int32_t CGraph::LogAxisGroupSize() const {
    const double xMin = XState().minimum;
    const double xMax = XState().maximum;
    const double t =
        xMin * std::pow(10.0, (std::log10(xMax) - std::log10(xMin)) * kLogGroupPosition);
    const double v = PixelToX(XToPixel(t) + 1);
    return std::max(data_->AxisToIndex(v) - data_->AxisToIndex(t), 1);
}

void CGraph::ExtractData(int& plotWidth) {
    ClearSeries();
    if (!HasData()) {
        return;
    }
    pointsPerGroup_ = 0;
    reductionRatio_ = 0.0;
    if (XState().log) {
        if (options_.integerPointReduction) {
            pointsPerGroup_ = LogAxisGroupSize();
        }
    } else {
        const std::int64_t points =
            static_cast<std::int64_t>(data_->GetRangeLast()) - data_->GetRangeFirst() + 1;
        const double samplesAcross =
            IsPolar() ? kPolarSamplesAcross
                      : (XState().maximum - XState().minimum) / data_->IndexToAxis(1);
        const ReductionPlan plan =
            PlanLinearReduction(points, plotWidth, samplesAcross, options_.integerPointReduction);
        pointsPerGroup_ = plan.pointsPerGroup;
        reductionRatio_ = plan.reductionRatio;
        plotWidth = plan.width;
    }

    PlotSeries& series = Series();
    switch (plotType_) {
        case PlotType::InphaseAmplitude:
            ExtractQuantity(RangeQuantity::Inphase, series.y);
            break;
        case PlotType::QuadratureAmplitude:
            ExtractQuantity(RangeQuantity::Quadrature, series.y);
            break;
        case PlotType::IAndQAmplitudes:
            ExtractQuantity(RangeQuantity::Inphase, series.y);
            ExtractQuantity(RangeQuantity::Quadrature, series.y2);
            break;
        case PlotType::Polar:
            ExtractPolarSamples();
            break;
        case PlotType::ComplexMagnitude:
            ExtractQuantity(RangeQuantity::Power, series.y);
            break;
        case PlotType::ComplexPhase:
            ExtractQuantity(RangeQuantity::Phase, series.y);
            break;
        default:
            break;
    }

    if (options_.autoTitles) {
        SetAutomaticTitles();
    } else if (titlesSource_ != nullptr) {
        Titles().x = titlesSource_->xTitle;
        Titles().y = titlesSource_->yTitle;
        Titles().main = titlesSource_->mainTitle;
    }
}

std::optional<std::pair<double, double>> CGraph::SampleAt(std::int32_t bin) const {
    std::int64_t index = bin;
    if (index < 0) {
        index = data_->IsTimeData() ? 0 : index + data_->GetRangeNumPoints();
    }
    // The stored range need not match the channels (it comes from files too).
    if (index < 0 || index >= data_->GetNumPoints()) {
        return std::nullopt;
    }
    const auto at = static_cast<std::int32_t>(index);
    return std::pair{data_->Inphase().GetAt(at), data_->Quadrature().GetAt(at)};
}

GroupedPoints CGraph::GroupQuantity(RangeQuantity quantity, bool sumMode) const {
    PointGrouper grouper(pointsPerGroup_, sumMode);
    // Across a polar plot lie Inphase values, not the sample axis: its samples are grouped by
    // their place in the range, as many to a column as the reduction asks for.
    const double samplesPerColumn =
        reductionRatio_ > 0.0 ? reductionRatio_ : std::max(pointsPerGroup_, 1);
    const std::int64_t first = data_->GetRangeFirst();
    for (std::int64_t i = first; i <= data_->GetRangeLast(); ++i) {
        const auto bin = static_cast<std::int32_t>(i);
        const std::optional<std::pair<double, double>> sample = SampleAt(bin);
        if (!sample) {
            continue;
        }
        const auto [inphase, quadrature] = *sample;
        const double value = QuantityOfSample(quantity, inphase, quadrature);
        const double x = data_->IndexToAxis(bin);
        const int column = IsPolar()
                               ? static_cast<int>(static_cast<double>(i - first) / samplesPerColumn)
                               : XToPixel(x);
        grouper.Add(value, x, column, i);
    }
    return grouper.Finish();
}

void CGraph::AppendPoints(const GroupedPoints& points) {
    PlotSeries& series = Series();
    if (series.x.GetSize() != 0) {
        return;
    }
    for (std::size_t p = 0; p < points.xs.size(); ++p) {
        series.x.Add(points.xs[p]);
        series.groupSizes.push_back(points.counts[p]);
    }
}

void CGraph::ExtractQuantity(RangeQuantity quantity, CDoubleArray& target) {
    const bool power = quantity == RangeQuantity::Power;
    const bool sumMode = options_.sumFreqMag && !data_->IsTimeData() && power;
    const GroupedPoints points = GroupQuantity(quantity, sumMode);
    for (const double value : points.values) {
        target.Add(power ? ShownPower(value) : value);
    }
    AppendPoints(points);
}

// A point of a polar plot is a whole sample: the one of largest magnitude in its group, with
// its own Inphase and Quadrature values, so that every point lies where a sample lies.
void CGraph::ExtractPolarSamples() {
    const GroupedPoints points = GroupQuantity(RangeQuantity::Power, false);
    PlotSeries& series = Series();
    for (const std::int64_t peak : points.peaks) {
        const auto [inphase, quadrature] = SampleAt(static_cast<std::int32_t>(peak)).value();
        series.y.Add(inphase);
        series.y2.Add(quadrature);
    }
    AppendPoints(points);
}

// ---- Titles ----------------------------------------------------------------------------

std::string CGraph::YTitleOfType() const {
    switch (plotType_) {
        case PlotType::InphaseAmplitude:
            return "Inphase Amplitude";
        case PlotType::QuadratureAmplitude:
            return "Quadrature Amplitude";
        case PlotType::IAndQAmplitudes:
            return "I and Q Amplitudes";
        case PlotType::ComplexMagnitude:
            if (data_->IsTimeData()) {
                return "Complex Magnitude";
            }
            return options_.magnitudeInDb ? "Complex Power in " + data_->GetDbLabel()
                                          : "Complex Power";
        case PlotType::ComplexPhase:
            return "Complex Phase in Degrees";
        case PlotType::Polar:
            return "Quadrature";
        default:
            return "Amplitude";
    }
}

std::string CGraph::ReductionNote() const {
    std::string note;
    if (reductionRatio_ > 0.0) {
        note = Printed(" (%1.1lf:1", reductionRatio_);
    } else if (data_->IsTimeData()) {
        if (pointsPerGroup_ > 1) {
            note = " (" + std::to_string(pointsPerGroup_) + ":1";
        }
    } else if (pointsPerGroup_ < 1) {
        note = " (Variable Spacing";
    } else {
        note = " (Line Spacing = " +
               CNumString(data_->IndexToAxis(pointsPerGroup_), 3, Notation::Engineering).Text();
    }
    if (reductionRatio_ > 0.0 || pointsPerGroup_ > 1) {
        const bool peaks = !options_.sumFreqMag || data_->IsTimeData();
        note += peaks ? ", Peak Mode" : ", Sum Mode";
    }
    return note;
}

void CGraph::SetAutomaticTitles() {
    PlotTitles& titles = Titles();
    // Only a polar plot renames the plot; leaving it brings the data's name back.
    if (IsPolar()) {
        titles.main = PolarTitle(dataTitle_);
    } else if (titles.main == PolarTitle(dataTitle_)) {
        titles.main = dataTitle_;
    }
    if (IsPolar()) {
        titles.x = "Inphase";
    } else {
        titles.x = data_->IsTimeData() ? "Time" : "Frequency";
        const UnitLabel unit = XAxisUnit(XState().powerOfTen);
        if (!unit.unit.empty()) {
            titles.x += " in " + unit.unit;
        }
    }
    titles.y = YTitleOfType();
    titles.x += ReductionNote();
    if (titles.x.find('(') != std::string::npos) {
        titles.x += ")";
    }
}

// ---- Commands --------------------------------------------------------------------------

bool CGraph::IsPlotTypeEnabled(PlotType type) const {
    if (data_ == nullptr) {
        return false;
    }
    return type == PlotType::InphaseAmplitude || !data_->IsReal();
}

void CGraph::OnPlotType(PlotType type) {
    const bool asks = !zoomList_.IsEmpty();
    if (type == PlotType::Polar) {
        if (plotType_ != PlotType::Polar && asks &&
            Ui().ShowMessage(kIntoPolarQuestion, MessageButtons::YesNo, MessageIcon::Question) !=
                MessageResult::Yes) {
            return;
        }
        plotType_ = PlotType::Polar;
        ResetZoom();
    } else {
        if (plotType_ == PlotType::Polar && asks) {
            if (Ui().ShowMessage(kOutOfPolarQuestion, MessageButtons::YesNo,
                                 MessageIcon::Question) != MessageResult::Yes) {
                return;
            }
            ResetZoom();
        }
        plotType_ = type;
    }
    Repaint();
}

void CGraph::OnProperties() {
    CPlotPropsDlg dialog;
    dialog.style = static_cast<int>(Style());
    dialog.originAtZero = OriginAtZero();
    dialog.autoTitles = options_.autoTitles;
    dialog.magnitudeInDb = options_.magnitudeInDb;
    dialog.integerPointReduction = options_.integerPointReduction;
    dialog.sumFreqMag = options_.sumFreqMag;
    dialog.zoomFullDecade = options_.zoomFullDecade;
    if (!Ui().Run(dialog)) {
        return;
    }
    SetOriginAtZero(dialog.originAtZero);
    options_.autoTitles = dialog.autoTitles;
    options_.magnitudeInDb = dialog.magnitudeInDb;
    options_.integerPointReduction = dialog.integerPointReduction;
    options_.sumFreqMag = dialog.sumFreqMag;
    options_.zoomFullDecade = dialog.zoomFullDecade;
    forceRescale = true;
    if (dialog.HasStyle()) {
        SetStyle(static_cast<PlotStyle>(dialog.style));
    }
    Repaint();
}

void CGraph::OnTitles() {
    if (titlesSource_ == nullptr) {
        return;
    }
    // The dialog edits a copy, so that Cancel leaves the stored titles as they were.
    CTitlesDlg dialog = *titlesSource_;
    dialog.mainTitle = Titles().main;
    dialog.xTitle = Titles().x;
    dialog.yTitle = Titles().y;
    if (!Ui().Run(dialog)) {
        return;
    }
    *titlesSource_ = dialog;
    options_.autoTitles = false;
    Repaint();
}

std::vector<Command<CGraph>> CGraph::PlotMenuCommands() {
    return {
        StyleCommand(kCmdStyleLine, "&Line", PlotStyle::Line),
        StyleCommand(kCmdStyleDot, "&Dot", PlotStyle::Dot),
        StyleCommand(kCmdStyleLineAndDot, "Line &And Dot", PlotStyle::LineAndDot),
        StyleCommand(kCmdStyleBar, "&Bar", PlotStyle::Bar),
        PlainCommand(
            kCmdXAxis, "&Plot/Axis", "&X -Axis",
            [](CGraph& graph) { EditPlotAxis(graph, AxisId::X); }, true),
        PlainCommand(
            kCmdYAxis, "&Plot/Axis", "&Y-Axis",
            [](CGraph& graph) { EditPlotAxis(graph, AxisId::Y); }, true),
        PlainCommand(
            kCmdTitles, "&Plot", "Tit&les...", [](CGraph& graph) { graph.OnTitles(); }, true),
        PlainCommand(
            kCmdFont, "&Plot", "Font...", [](CGraph& graph) { graph.OnFont(); }, false),
        PlainCommand(
            kCmdProperties, "&Plot", "&Properties...", [](CGraph& graph) { graph.OnProperties(); },
            true),
        ZoomCommand(kCmdZoomNext, "Zoom &Next", ZoomMove::Next),
        ZoomCommand(kCmdZoomOut, "Zoom &Out", ZoomMove::Out),
        ZoomCommand(kCmdZoomIn, "Zoom &In", ZoomMove::In),
        ZoomCommand(kCmdZoomTop, "Zoom &Top", ZoomMove::Top),
        ZoomCommand(kCmdZoomBottom, "Zoom &Bottom", ZoomMove::Bottom),
        PlainCommand(
            kCmdCopyImage, "&Plot", "Copy Image\tCtrl+C",
            [](CGraph& graph) { graph.OnCopyImage(); }, false),
        PlainCommand(
            kCmdCopyData, "&Plot", "Copy Data", [](CGraph& graph) { graph.OnCopyData(); }, false),
        PlainCommand(
            kCmdWriteData, "&Plot", "&Write Data...", [](CGraph& graph) { graph.OnWriteData(); },
            true),
    };
}

const CommandTable<CGraph>& CGraph::Commands() const {
    static const CommandTable<CGraph> table = [] {
        std::vector<Command<CGraph>> commands = {
            TypeCommand(kCmdTypeInphaseAmplitude, "&Inphase Amplitude", PlotType::InphaseAmplitude),
            TypeCommand(kCmdTypeQuadratureAmplitude, "&Quadrature Amplitude",
                        PlotType::QuadratureAmplitude),
            TypeCommand(kCmdTypeIAndQAmplitudes, "I &And Q Amplitudes", PlotType::IAndQAmplitudes),
            TypeCommand(kCmdTypeComplexMagnitude, "Complex &Magnitude", PlotType::ComplexMagnitude),
            TypeCommand(kCmdTypeComplexPhase, "Complex &Phase", PlotType::ComplexPhase),
            TypeCommand(kCmdTypePolar, "P&olar (I vs. Q)", PlotType::Polar),
        };
        for (Command<CGraph>& command : PlotMenuCommands()) {
            commands.push_back(std::move(command));
        }
        return CommandTable<CGraph>(std::move(commands));
    }();
    return table;
}

}  // namespace tapwright
