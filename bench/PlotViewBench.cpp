#include "design/FirData.h"
#include "platform/DrawContext.h"
#include "platform/View.h"
#include "plot/FirPlot.h"
#include "plot/Graph.h"

#include <benchmark/benchmark.h>

#include <random>

namespace tapwright {
namespace {

// A device that draws nothing and measures text as a simple fixed font.
class NullDrawContext : public DrawContext {
public:
    bool IsPrinting() const override { return false; }
    Size Resolution() const override { return {1920, 1080}; }
    Size Aspect() const override { return {36, 36}; }
    void SaveState() override {}
    void RestoreState() override {}
    Pen SelectPen(const Pen& pen) override { return pen; }
    Color SelectBrush(Color fill) override { return fill; }
    std::optional<FontDescription> SelectFont(const FontDescription& wanted) override {
        height_ = wanted.height;
        return wanted;
    }
    void SetTextAlign(TextAlign) override {}
    void SetTextColor(Color) override {}
    Color WindowTextColor() const override { return kBlack; }
    void SetClipRect(const Rect&) override {}
    void ClearClip() override {}
    void MoveTo(Point) override {}
    void LineTo(Point) override {}
    void Ellipse(const Rect&) override {}
    void DrawText(Point, const std::string&) override {}
    Size MeasureText(const std::string& text) const override {
        return {static_cast<int>(text.size()) * height_ / 2, height_};
    }

private:
    int height_ = 16;
};

class FixedWindow : public ViewWindow {
public:
    void Invalidate() override {}
    Rect ClientRect() const override { return {0, 0, 1200, 800}; }
};

std::vector<double> RandomSamples(std::int32_t count) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> sample(-1.0, 1.0);
    std::vector<double> samples(static_cast<std::size_t>(count));
    for (double& value : samples) {
        value = sample(random);
    }
    return samples;
}

// One drawing of a frequency response plot that computes its traces anew: the autoscale
// grid and one frequency per pixel column (about 1,100 columns). Argument: the tap count.
void BM_FirPlotDrawing(benchmark::State& state) {
    CFirData filter;
    for (const double tap : RandomSamples(static_cast<std::int32_t>(state.range(0)))) {
        filter.Inphase().Add(tap);
    }
    filter.EqualizeChannels(0.0);
    FixedWindow window;
    CFirPlot plot;
    plot.AttachWindow(&window);
    plot.OnUpdate(nullptr, hint::kOpenResponse + 16 * 4, &filter);
    NullDrawContext dc;
    for (auto _ : state) {
        plot.ClearSeries();
        benchmark::DoNotOptimize(plot.OnDraw(dc));
        benchmark::DoNotOptimize(plot.Series().y.Data());
    }
    state.counters["columns"] = plot.Series().x.GetSize();
}
BENCHMARK(BM_FirPlotDrawing)->Arg(101)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One drawing of a long time signal reduced to one point per pixel column.
void BM_GraphReduction(benchmark::State& state) {
    CLumenData data;
    for (const double sample : RandomSamples(static_cast<std::int32_t>(state.range(0)))) {
        data.Inphase().Add(sample);
    }
    data.EqualizeChannels(0.0);
    FixedWindow window;
    CGraph graph;
    graph.AttachWindow(&window);
    graph.OnUpdate(nullptr, hint::kShowChannel + 16 + 256 * 3, &data);
    NullDrawContext dc;
    for (auto _ : state) {
        graph.ClearSeries();
        benchmark::DoNotOptimize(graph.OnDraw(dc));
        benchmark::DoNotOptimize(graph.Series().y.Data());
    }
    state.counters["points"] = graph.Series().x.GetSize();
}
BENCHMARK(BM_GraphReduction)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright
