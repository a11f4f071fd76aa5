#include <benchmark/benchmark.h>

#include <vector>

#include "design/RemezDesign.h"

namespace tapwright {
namespace {

// Lowpass designs at grid density 16: passband from 0 to passEdge, stopband from stopEdge to
// 0.5, desired gains 1 and 0.
void DesignLowpass(benchmark::State& state, int numTaps, double passEdge, double stopEdge,
                   double passWeight, double stopWeight) {
    const std::vector<double> edges{0.0, passEdge, stopEdge, 0.5};
    const std::vector<double> desired{1.0, 0.0};
    const std::vector<double> weights{passWeight, stopWeight};
    std::vector<double> taps(static_cast<std::size_t>(numTaps));
    for (auto _ : state) {
        const int result = RemezDesign(1, numTaps, 16, 2, edges, desired, weights, taps, "");
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

}  // namespace
}  // namespace tapwright
