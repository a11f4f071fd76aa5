#include <benchmark/benchmark.h>

#include <vector>

#include "design/FirData.h"
#include "math/RemezDesign.h"

namespace tapwright {
namespace {

// Lowpass designs: passband from 0 to passEdge, stopband from stopEdge to 0.5, desired gains
// 1 and 0.
void DesignLowpass(benchmark::State& state, int numTaps, double passEdge, double stopEdge,
                   double passWeight, double stopWeight, int gridDensity = 16) {
    const std::vector<double> edges{0.0, passEdge, stopEdge, 0.5};
    const std::vector<double> desired{1.0, 0.0};
    const std::vector<double> weights{passWeight, stopWeight};
    std::vector<double> taps(static_cast<std::size_t>(numTaps));
    for (auto _ : state) {
        const int result = RemezDesign(ResponseType::Filter, numTaps, gridDensity, 2, edges,
                                       desired, weights, taps, {});
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(taps.data());
    }
}

void BM_RemezLowpass47(benchmark::State& state) {
    DesignLowpass(state, 47, 0.1, 0.15, 173.72, 100.0);
}
BENCHMARK(BM_RemezLowpass47)->Unit(benchmark::kMicrosecond);

void BM_RemezLowpass255(benchmark::State& state) {
    DesignLowpass(state, 255, 0.2, 0.21, 1.0, 10.0);
}
BENCHMARK(BM_RemezLowpass255)->Unit(benchmark::kMillisecond);

void BM_RemezLowpass1023(benchmark::State& state) {
    DesignLowpass(state, 1023, 0.1, 0.105, 1.0, 1.0);
}
BENCHMARK(BM_RemezLowpass1023)->Unit(benchmark::kMillisecond);

// The largest grid density the editors and project files take, with the 56 taps of a
// typical lowpass and with a long filter: the bound keeps these within seconds.
void BM_RemezLowpass56LargestGrid(benchmark::State& state) {
    DesignLowpass(state, 56, 0.1, 0.15, 173.72, 100.0, CFirData::kMaxGridDensity);
}
BENCHMARK(BM_RemezLowpass56LargestGrid)->Unit(benchmark::kMillisecond);

void BM_RemezLowpass1001LargestGrid(benchmark::State& state) {
    DesignLowpass(state, 1001, 0.1, 0.102, 173.72, 1000.0, CFirData::kMaxGridDensity);
}
BENCHMARK(BM_RemezLowpass1001LargestGrid)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tapwright
