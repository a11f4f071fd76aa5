#include "design/FirData.h"
#include "platform/UserInterface.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tapwright {
namespace {

// The lengths benchmarked never ask for a larger cap; a question would be declined, as the
// quiet user interface declines every question.
const CFirData::OptimizeConfirm kDeclineLargerCap = [](const std::string&) { return false; };

// Answers every box with its default button and counts the designs by the first iteration
// each one reports on the status line.
class CountingUserInterface : public UserInterface {
public:
    MessageResult ShowMessage(const std::string&, MessageButtons buttons, MessageIcon,
                              const std::string&) override {
        return DefaultAnswer(buttons);
    }
    void ShowStatus(const std::string& text) override {
        static const std::string kFirstIteration = "iteration number 1.";
        if (text.ends_with(kFirstIteration)) {
            ++designs_;
        }
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    int Designs() const { return designs_; }

private:
    int designs_ = 0;
};

// A lowpass from 0 to 0.1 with its stopband from stopEdge to 0.5, starting with no taps.
CFirData Lowpass(double stopEdge, double rippleDb, double attenuationDb) {
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 0, 16);
    filter.AddBand(0.0, 0.1, 1.0, rippleDb, false, true, false);
    filter.AddBand(stopEdge, 0.5, 0.0, attenuationDb, false, true, false);
    return filter;
}

void RunOptimize(benchmark::State& state, double stopEdge, double rippleDb,
                 double attenuationDb) {
    CountingUserInterface ui;
    const ScopedUserInterface installed(ui);
    std::int32_t taps = 0;
    for (auto _ : state) {
        CFirData filter = Lowpass(stopEdge, rippleDb, attenuationDb);
        benchmark::DoNotOptimize(filter.Optimize(CFirData::kOptimizeMaxTaps, kDeclineLargerCap));
        taps = filter.GetNumTaps();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["designs"] = static_cast<double>(ui.Designs()) / runs;
    state.counters["taps"] = taps;
}

void BM_OptimizeLowpass40Db(benchmark::State& state) { RunOptimize(state, 0.15, 0.1, 40.0); }
BENCHMARK(BM_OptimizeLowpass40Db)->Unit(benchmark::kMillisecond);

void BM_OptimizeSharpLowpass80Db(benchmark::State& state) {
    RunOptimize(state, 0.11, 0.5, 80.0);
}
BENCHMARK(BM_OptimizeSharpLowpass80Db)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright
