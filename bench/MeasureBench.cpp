#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "math/BandExtremes.h"

namespace tapwright {
namespace {

// A windowed-sinc lowpass of n taps with its cutoff at 0.1 cycles per sample: a passband and
// a stopband full of ripples, as a designed filter has.
std::vector<double> Lowpass(std::size_t n) {
    constexpr double kPi = 3.141592653589793;
    std::vector<double> taps(n);
    const double centre = 0.5 * static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) - centre;
        const double sinc = t == 0.0 ? 0.2 : std::sin(0.2 * kPi * t) / (kPi * t);
        taps[i] = sinc * (0.54 - 0.46 * std::cos(2.0 * kPi * static_cast<double>(i) /
                                                  static_cast<double>(n - 1)));
    }
    return taps;
}

// Both bands of a lowpass 0-0.1 / 0.11-0.5, measured on the whole continuous band. The
// measurement keeps its answers for the taps it saw last, so the runs alternate between two
// filters to measure the work rather than the kept answers.
void BM_MeasureBothBands(benchmark::State& state) {
    const std::vector<double> first = Lowpass(static_cast<std::size_t>(state.range(0)));
    std::vector<double> second = first;
    second[second.size() / 2] *= 1.0 + 1e-9;
    const std::vector<BandInterval> bands{{0.0, 0.1}, {0.11, 0.5}};
    bool useFirst = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MeasureBandExtremes(useFirst ? first : second, bands));
        useFirst = !useFirst;
    }
}
BENCHMARK(BM_MeasureBothBands)->Arg(1023)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright
