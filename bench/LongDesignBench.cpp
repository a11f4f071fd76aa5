#include <benchmark/benchmark.h>

#include <vector>

#include "math/EngineChoice.h"

namespace tapwright {
namespace {

// Whole designs as the design driver makes them: the engine choice, the grid or continuous
// exchange, and the certificate of the result.
void Design(benchmark::State& state, ResponseType type, int numTaps,
            const std::vector<double>& edges, const std::vector<double>& desired,
            const std::vector<double>& weights) {
    std::vector<double> taps(static_cast<std::size_t>(numTaps));
    const int numBands = static_cast<int>(desired.size());
    EngineOutcome outcome;
    for (auto _ : state) {
        outcome = DesignEquiripple(type, numTaps, 16, numBands, edges, desired, weights, taps, {});
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(taps.data());
    }
    // A speed figure counts only for a design that reached the optimum.
    state.counters["level"] = outcome.level ? 1.0 : 0.0;
    state.counters["spread"] = outcome.spread;
}

// Lowpass 0 to 0.2 with its stopband from 0.2 + d / N, weights 1 and 1.
void DesignSharpLowpass(benchmark::State& state, int numTaps, double d) {
    Design(state, ResponseType::Filter, numTaps, {0.0, 0.2, 0.2 + d / numTaps, 0.5}, {1.0, 0.0},
           {1.0, 1.0});
}

void BM_Lowpass4095Transition4(benchmark::State& state) {
    DesignSharpLowpass(state, 4095, 4.0);
}
BENCHMARK(BM_Lowpass4095Transition4)->Unit(benchmark::kMillisecond);

void BM_Lowpass4095Transition6(benchmark::State& state) {
    DesignSharpLowpass(state, 4095, 6.0);
}
BENCHMARK(BM_Lowpass4095Transition6)->Unit(benchmark::kMillisecond);

void BM_Lowpass10000Transition4(benchmark::State& state) {
    DesignSharpLowpass(state, 10000, 4.0);
}
BENCHMARK(BM_Lowpass10000Transition4)->Unit(benchmark::kMillisecond);

void BM_Lowpass10000Transition6(benchmark::State& state) {
    DesignSharpLowpass(state, 10000, 6.0);
}
BENCHMARK(BM_Lowpass10000Transition6)->Unit(benchmark::kMillisecond);

void BM_Hilbert4095(benchmark::State& state) {
    Design(state, ResponseType::Hilbert, 4095, {0.001, 0.499}, {1.0}, {1.0});
}
BENCHMARK(BM_Hilbert4095)->Unit(benchmark::kMillisecond);

void BM_Differentiator4095(benchmark::State& state) {
    Design(state, ResponseType::Differentiator, 4095, {0.0, 0.499}, {1.0}, {1.0});
}
BENCHMARK(BM_Differentiator4095)->Unit(benchmark::kMillisecond);

// The grid exchange's own length: 1,023 taps with a transition of 0.005.
void BM_Lowpass1023(benchmark::State& state) {
    Design(state, ResponseType::Filter, 1023, {0.0, 0.1, 0.105, 0.5}, {1.0, 0.0}, {1.0, 1.0});
}
BENCHMARK(BM_Lowpass1023)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright
