#include "design/FirData.h"
#include "design/WordLength.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace tapwright {
namespace {

// The lengths benchmarked never ask for a larger cap; a question would be declined, as the
// quiet user interface declines every question.
const CFirData::OptimizeConfirm kDeclineLargerCap = [](const std::string&) { return false; };

struct Band {
    double lower;
    double upper;
    bool passband;
    double db;
};

CFirData Specification(const std::vector<Band>& bands, std::int32_t taps) {
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, taps, 16);
    for (const Band& band : bands) {
        filter.AddBand(band.lower, band.upper, band.passband ? 1.0 : 0.0, band.db, false, true,
                       false);
    }
    return filter;
}

// About 100 taps each once optimised.
const std::vector<Band> kLowpass = {{0.0, 0.2, true, 0.5}, {0.222, 0.5, false, 60.0}};
const std::vector<Band> kBandpass = {
    {0.0, 0.1, false, 70.0}, {0.13, 0.3, true, 0.2}, {0.33, 0.5, false, 70.0}};

void RunOptimize(benchmark::State& state, const std::vector<Band>& bands, std::int32_t start) {
    std::int32_t taps = 0;
    for (auto _ : state) {
        CFirData filter = Specification(bands, start);
        benchmark::DoNotOptimize(filter.Optimize(CFirData::kOptimizeMaxTaps, kDeclineLargerCap));
        taps = filter.GetNumTaps();
    }
    state.counters["taps"] = taps;
}

// The table for the optimised filter and its next four lengths; the counters give the
// bits saved against plain rounding in each row.
void RunTable(benchmark::State& state, const std::vector<Band>& bands, std::int32_t start) {
    CFirData filter = Specification(bands, start);
    filter.Optimize(CFirData::kOptimizeMaxTaps, kDeclineLargerCap);
    std::vector<WordLengthRow> rows;
    for (auto _ : state) {
        rows = ComputeWordLengthTable(filter, {4, kMaxWordBits});
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["taps"] = filter.GetNumTaps();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const WordLengthRow& row = rows[i];
        const double saved =
            row.bits && row.bitsRounding ? *row.bitsRounding - *row.bits : -1.0;
        state.counters["bits" + std::to_string(i)] = row.bits.value_or(0);
        state.counters["saved" + std::to_string(i)] = saved;
    }
}

void BM_OptimizeLowpass100Taps(benchmark::State& state) { RunOptimize(state, kLowpass, 0); }
BENCHMARK(BM_OptimizeLowpass100Taps)->Unit(benchmark::kMillisecond);

void BM_WordLengthTableLowpass100Taps(benchmark::State& state) { RunTable(state, kLowpass, 0); }
BENCHMARK(BM_WordLengthTableLowpass100Taps)->Unit(benchmark::kMillisecond);

void BM_OptimizeBandpass100Taps(benchmark::State& state) { RunOptimize(state, kBandpass, 60); }
BENCHMARK(BM_OptimizeBandpass100Taps)->Unit(benchmark::kMillisecond);

void BM_WordLengthTableBandpass100Taps(benchmark::State& state) {
    RunTable(state, kBandpass, 60);
}
BENCHMARK(BM_WordLengthTableBandpass100Taps)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright
