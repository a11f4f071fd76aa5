#include "plot/WindowKind.h"

#include "platform/View.h"
#include "plot/FirPlot.h"

namespace tapwright {

namespace {

std::string DisplayKindText(PlotType display) {
    switch (display) {
        case PlotType::ComplexPhase:
            return "Phase";
        case PlotType::UnwrappedPhase:
            return "Unwrapped Phase";
        case PlotType::PhaseDelay:
            return "Phase Delay";
        case PlotType::GroupDelay:
            return "Group Delay";
        case PlotType::None:
            return "Frequency Response";
        default:
            return "Magnitude";
    }
}

}  // namespace

std::string WindowKindText(const CView& view) {
    switch (view.Kind()) {
        case ViewKind::FrequencyResponse:
            if (const auto* plot = dynamic_cast<const CFirPlot*>(&view)) {
                return DisplayKindText(plot->DisplayKind());
            }
            return "Frequency Response";
        case ViewKind::Graph:
            return "Impulse Response";
        case ViewKind::CoefficientEditor:
            return "Coefficients";
        case ViewKind::AdvancedEditor:
        case ViewKind::SimpleEditor:
        case ViewKind::Other:
            break;
    }
    return {};
}

}  // namespace tapwright
