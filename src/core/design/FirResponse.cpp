#include "design/FirData.h"

#include <algorithm>

#include "math/ResponseQuantity.h"

namespace tapwright {

namespace {

std::span<const double> BlockSpan(const CDataColumn& column, std::int32_t block) {
    if (block >= column.GetNumBlocks()) {
        return {};
    }
    const CDoubleArray& samples = column.GetBlock(block);
    return {samples.Data(), static_cast<std::size_t>(samples.GetSize())};
}

ResponseQuantity QuantityFor(bool wantPhase) {
    return wantPhase ? ResponseQuantity::Phase : ResponseQuantity::Power;
}

// A plot evaluates one response per trace, so both channels side by side (or a value that is
// no selection at all) gives no trace.
bool IsPlottedSelection(ChannelSelection select) {
    return select == ChannelSelection::Inphase || select == ChannelSelection::Quadrature ||
           select == ChannelSelection::ComplexFilter;
}

}  // namespace

ResponseEvaluator CFirData::GetResponseEvaluator(ChannelSelection select) const {
    // Both channels share the block layout, so block b of the Quadrature channel holds the
    // taps of block b of the Inphase channel (or fewer, which read as zeros).
    ResponseEvaluator evaluator(select);
    const CDataColumn& inphase = Inphase();
    const CDataColumn& quadrature = Quadrature();
    for (std::int32_t block = 0; block < inphase.GetNumBlocks(); ++block) {
        evaluator.AppendTaps(BlockSpan(inphase, block), BlockSpan(quadrature, block));
    }
    return evaluator;
}

double CFirData::GetResponse(ChannelSelection select, bool wantPhase, double frequency,
                             bool normalized) const {
    if (Inphase().GetNumPoints() < 1) {
        return 0.0;
    }
    const double nu = normalized ? frequency : frequency / GetSampleRate();
    return GetResponseEvaluator(select).Evaluate(nu, QuantityFor(wantPhase));
}

double CFirData::GetPlotValue(ChannelSelection select, bool wantPhase, double frequency) const {
    if (!IsPlottedSelection(select)) {
        return 0.0;
    }
    const ResponseQuantity quantity = QuantityFor(wantPhase);
    return PlotValue(quantity, GetResponse(select, wantPhase, frequency, false), minResponseDb_);
}

void CFirData::GetPlotValues(ChannelSelection select, bool wantPhase,
                             std::span<const double> frequencies, std::span<double> values) const {
    const std::size_t count = std::min(frequencies.size(), values.size());
    if (!IsPlottedSelection(select)) {
        std::fill_n(values.begin(), count, 0.0);
        return;
    }
    std::vector<double> nu(count);
    const double sampleRate = GetSampleRate();
    std::transform(frequencies.begin(), frequencies.begin() + static_cast<std::ptrdiff_t>(count),
                   nu.begin(), [sampleRate](double f) { return f / sampleRate; });
    const ResponseQuantity quantity = QuantityFor(wantPhase);
    const std::span<double> out = values.first(count);
    GetResponseEvaluator(select).Evaluate(nu, quantity, out);
    for (double& value : out) {
        value = PlotValue(quantity, value, minResponseDb_);
    }
}

}  // namespace tapwright
