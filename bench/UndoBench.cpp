#include "app/FirApp.h"
#include "document/DocCommands.h"
#include "document/FirDoc.h"
#include "platform/FrameFactory.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace tapwright {
namespace {

// Views that draw nothing, so that the figures are the history's own.
class QuietView : public CView {
public:
    void OnUpdate(CView*, std::uint32_t, CDataSet*) override {}
};

class QuietFrames : public FrameFactory {
public:
    CView* CreateFrame(CSerDoc&, ViewKind) override {
        views_.push_back(std::make_unique<QuietView>());
        return views_.back().get();
    }
    void ActivateFrame(CView&) override {}
    void DestroyFrame(CView&) override {}

private:
    std::vector<std::unique_ptr<QuietView>> views_;
};

// A complex filter of random taps in both channels.
void FillComplexTaps(CFirData& filter, std::int64_t count) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> tap(-1.0, 1.0);
    for (std::int64_t i = 0; i < count; ++i) {
        filter.AddPoint(0, tap(random));
        filter.AddPoint(1, tap(random));
    }
    filter.SetReal(false);
    filter.UpdateRange();
}

// One undo and one redo of a step that swapped the channels. Argument: the tap count; the
// "step" counter is the time of one of the two.
void BM_UndoRedoStep(benchmark::State& state) {
    QuietFrames frames;
    CFirApp app(frames);
    CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
    FillComplexTaps(document.Filter(), state.range(0));
    FirDocCommands().Execute(document, kCmdSwapChannels);
    for (auto _ : state) {
        document.Undo();
        document.Redo();
    }
    state.counters["step"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 2.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UndoRedoStep)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A command that records its step: the state kept before it and the check that it changed
// the project. Argument: the tap count.
void BM_RecordedCommand(benchmark::State& state) {
    QuietFrames frames;
    CFirApp app(frames);
    CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
    FillComplexTaps(document.Filter(), state.range(0));
    for (auto _ : state) {
        FirDocCommands().Execute(document, kCmdSwapChannels);
    }
}
BENCHMARK(BM_RecordedCommand)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright
