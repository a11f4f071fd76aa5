#include "cli/ResponseTable.h"

#include <charconv>
#include <ostream>
#include <span>

#include "design/FirData.h"
#include "plot/PhaseTrace.h"

namespace tapwright::cli {

namespace {

// The responses of the traces: one per channel when both are shown side by side.
std::vector<ChannelSelection> TraceSelections(ChannelSelection selection) {
    switch (selection) {
        case ChannelSelection::Quadrature:
            return {ChannelSelection::Quadrature};
        case ChannelSelection::InphaseAndQuadrature:
            return {ChannelSelection::Inphase, ChannelSelection::Quadrature};
        case ChannelSelection::ComplexFilter:
            return {ChannelSelection::ComplexFilter};
        case ChannelSelection::Inphase:
            break;
    }
    return {ChannelSelection::Inphase};
}

// Turns a trace of wrapped phases into what the kind shows.
void PostProcess(ResponseKind kind, std::span<const double> frequencies, std::span<double> trace) {
    if (kind == ResponseKind::Magnitude || kind == ResponseKind::Phase) {
        return;
    }
    UnwrapPhase(trace);
    if (kind == ResponseKind::PhaseDelay) {
        PhaseToPhaseDelay(frequencies, trace);
    } else if (kind == ResponseKind::GroupDelay) {
        PhaseToGroupDelay(frequencies, trace);
    }
}

void WriteNumber(std::ostream& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.write(buffer, result.ptr - buffer);
}

}  // namespace

std::vector<double> EvenlySpaced(double first, double last, std::int32_t points) {
    std::vector<double> values;
    if (points <= 0) {
        return values;
    }
    values.reserve(static_cast<std::size_t>(points));
    values.push_back(first);
    const double span = last - first;
    for (std::int32_t i = 1; i < points; ++i) {
        // The last point is the given end itself, not a sum carrying rounding.
        values.push_back(i == points - 1 ? last : first + span * i / (points - 1));
    }
    return values;
}

ResponseTable EvaluateResponse(const CFirData& filter, ResponseKind kind,
                               ChannelSelection selection, std::vector<double> frequencies) {
    ResponseTable table;
    table.frequencies = std::move(frequencies);
    const bool wantPhase = kind != ResponseKind::Magnitude;
    for (const ChannelSelection select : TraceSelections(selection)) {
        std::vector<double> trace(table.frequencies.size());
        filter.GetPlotValues(select, wantPhase, table.frequencies, trace);
        PostProcess(kind, table.frequencies, trace);
        table.traces.push_back(std::move(trace));
    }
    return table;
}

void WriteResponse(std::ostream& out, const ResponseTable& table) {
    for (std::size_t i = 0; i < table.frequencies.size(); ++i) {
        WriteNumber(out, table.frequencies[i]);
        for (const std::vector<double>& trace : table.traces) {
            out << '\t';
            WriteNumber(out, trace[i]);
        }
        out << '\n';
    }
}

}  // namespace tapwright::cli
