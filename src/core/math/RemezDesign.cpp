#include "math/RemezDesign.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>
#include <vector>

#include "math/RemezCoefficients.h"
#include "math/RemezGrid.h"

namespace tapwright {

namespace {

constexpr int kDefaultDensity = 16;

bool AllFinite(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

void FillReport(const RemezGrid& grid, const RemezExchange& exchange, RemezStop stop,
                std::vector<double>& extremalFrequencies, RemezReport& report) {
    for (int j = 0; j < exchange.NumNodes(); ++j) {
        extremalFrequencies[static_cast<std::size_t>(j)] = grid.Frequency(exchange.NodePoint(j));
    }
    report.stop = stop;
    report.iterations = exchange.Iterations();
    report.deviation = exchange.Deviation();
    report.extremalFrequencies = std::move(extremalFrequencies);
}

// Everything after the argument checks. Throws std::bad_alloc when the storage, all of which
// is taken before the first iteration, cannot be had.
int DesignOnGrid(const RemezShape& shape, const RemezBands& bands, std::span<double> h,
                 const ExchangeProgress& progress, RemezReport* report) {
    RemezGrid grid;
    // r + 1 extremal points need as many distinct grid points.
    if (!grid.Build(bands, shape) || grid.Size() < shape.numCosines + 1) {
        return 0;
    }
    grid.MakeEquivalentProblem(shape);
    RemezExchange exchange(grid, shape.numCosines);
    RemezCoefficients coefficients(shape.numCosines);
    std::vector<double> taps(h.size());
    std::vector<double> extremalFrequencies(static_cast<std::size_t>(exchange.NumNodes()));

    const RemezStop stop = exchange.Run(progress);
    coefficients.Compute(grid, exchange);
    coefficients.WriteImpulseResponse(shape, static_cast<int>(h.size()), taps);
    if (report != nullptr) {
        FillReport(grid, exchange, stop, extremalFrequencies, *report);
    }
    // A problem beyond double precision (a deviation far below rounding) can level to values
    // that are not numbers; such taps would only corrupt the caller's filter.
    if (!AllFinite(taps)) {
        return 0;
    }
    std::copy(taps.begin(), taps.end(), h.begin());
    return stop == RemezStop::DeviationStalled ? 0 : 1;
}

int DesignFilter(ResponseType type, int numTaps, int density, int numBands,
                 std::span<const double> edges, std::span<const double> desired,
                 std::span<const double> weights, std::span<double> h,
                 const ExchangeProgress& progress, RemezReport* report) {
    if (!RemezArgumentsUsable(type, numTaps, numBands, edges, desired, weights, h)) {
        return 0;
    }
    const RemezShape shape(type, numTaps, density > 0 ? density : kDefaultDensity);
    const RemezBands bands{type, numBands, edges, desired, weights};
    try {
        return DesignOnGrid(shape, bands, h.first(static_cast<std::size_t>(numTaps)), progress,
                            report);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

}  // namespace

bool RemezArgumentsUsable(ResponseType type, int numTaps, int numBands,
                          std::span<const double> edges, std::span<const double> desired,
                          std::span<const double> weights, std::span<double> h) {
    if (numTaps < 3 || numBands < 1 || !IsKnownResponseType(type)) {
        return false;
    }
    const auto bands = static_cast<std::size_t>(numBands);
    if (edges.size() < 2 * bands || desired.size() < bands || weights.size() < bands ||
        h.size() < static_cast<std::size_t>(numTaps)) {
        return false;
    }
    return AllFinite(edges.first(2 * bands)) && AllFinite(desired.first(bands)) &&
           AllFinite(weights.first(bands));
}

int RemezDesign(ResponseType type, int numTaps, int density, int numBands,
                std::span<const double> edges, std::span<const double> desired,
                std::span<const double> weights, std::span<double> h,
                const ExchangeProgress& progress) {
    return DesignFilter(type, numTaps, density, numBands, edges, desired, weights, h, progress,
                        nullptr);
}

int RemezDesign(ResponseType type, int numTaps, int density, int numBands,
                std::span<const double> edges, std::span<const double> desired,
                std::span<const double> weights, std::span<double> h,
                const ExchangeProgress& progress, RemezReport& report) {
    return DesignFilter(type, numTaps, density, numBands, edges, desired, weights, h, progress,
                        &report);
}

}  // namespace tapwright
