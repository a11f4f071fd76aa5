#include "math/ReferenceResponse.h"
#include "math/ResponseEvaluator.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace tapwright {
namespace {

constexpr std::size_t kTaps = 10000;
constexpr std::size_t kFrequencies = 1000;

// The largest filter with random taps in both channels, and a plot-sized frequency grid.
struct ResponseCase {
    std::vector<double> inphase = std::vector<double>(kTaps);
    std::vector<double> quadrature = std::vector<double>(kTaps);
    std::vector<double> nu = std::vector<double>(kFrequencies);

    ResponseCase() {
        std::mt19937_64 random(2024);
        std::uniform_real_distribution<double> tap(-1.0, 1.0);
        for (std::size_t n = 0; n < kTaps; ++n) {
            inphase[n] = tap(random);
            quadrature[n] = tap(random);
        }
        for (std::size_t i = 0; i < kFrequencies; ++i) {
            nu[i] = 0.5 * static_cast<double>(i) / static_cast<double>(kFrequencies);
        }
    }
};

const ResponseCase& Case() {
    static const ResponseCase instance;
    return instance;
}

ResponseQuantity QuantityArg(const benchmark::State& state) {
    return state.range(1) != 0 ? ResponseQuantity::Phase : ResponseQuantity::Power;
}

ChannelSelection SelectionArg(const benchmark::State& state) {
    return state.range(0) != 0 ? ChannelSelection::ComplexFilter : ChannelSelection::Inphase;
}

// Arguments: 0 for the Inphase channel or 1 for the complex filter, then 0 for the power or 1
// for the phase.
void BM_EvaluatorResponse(benchmark::State& state) {
    const ResponseCase& c = Case();
    const ChannelSelection select = SelectionArg(state);
    std::vector<double> out(kFrequencies);
    for (auto _ : state) {
        const ResponseEvaluator evaluator(c.inphase, c.quadrature, select);
        evaluator.Evaluate(c.nu, QuantityArg(state), out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EvaluatorResponse)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_ReferenceResponse(benchmark::State& state) {
    const ResponseCase& c = Case();
    const ChannelSelection select = SelectionArg(state);
    std::vector<double> out(kFrequencies);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kFrequencies; ++i) {
            out[i] = QuantityOf(ReferenceResponse(c.inphase, c.quadrature, select, c.nu[i]),
                                QuantityArg(state));
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ReferenceResponse)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright
