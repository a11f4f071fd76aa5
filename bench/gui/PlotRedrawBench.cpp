#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include <random>

#include "design/FirData.h"
#include "gui/platform/QtDrawContext.h"
#include "gui/plot/PlotWidget.h"
#include "platform/View.h"
#include "plot/FirPlot.h"

namespace tapwright {
namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 800;

class PictureWindow final : public ViewWindow {
public:
    void Invalidate() override {}
    Rect ClientRect() const override { return {0, 0, kWidth, kHeight}; }
};

// A filter of random taps: its response has detail everywhere, as a long design has.
void FillTaps(CFirData& filter, std::int64_t count) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> tap(-1.0, 1.0);
    for (std::int64_t i = 0; i < count; ++i) {
        filter.Inphase().Add(tap(random));
    }
    filter.EqualizeChannels(0.0);
}

// One full redraw of a magnitude window into an off-screen picture: the autoscale range,
// one frequency per pixel column, and the drawing through the desktop's drawing context.
// Argument: the tap count.
void BM_ResponseRedrawIntoImage(benchmark::State& state) {
    CFirData filter;
    FillTaps(filter, state.range(0));
    PictureWindow window;
    CFirPlot plot;
    plot.AttachWindow(&window);
    plot.OnUpdate(nullptr, hint::kOpenResponse + 16 * 4, &filter);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        plot.ClearSeries();
        QPainter painter(&image);
        gui::QtDrawContext dc(painter, gui::DrawDevice::Screen);
        benchmark::DoNotOptimize(plot.OnDraw(dc));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["columns"] = plot.Series().x.GetSize();
}
BENCHMARK(BM_ResponseRedrawIntoImage)
    ->Arg(101)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

// A magnitude window of a filter of random taps, shown on the screen.
struct ShownResponseWindow {
    explicit ShownResponseWindow(std::int64_t taps) : widget(plot) {
        FillTaps(filter, taps);
        widget.resize(kWidth, kHeight);
        widget.show();
        plot.OnUpdate(nullptr, hint::kOpenResponse + 16 * 4, &filter);
        // A window paints only once the window system shows it.
        while (widget.windowHandle() == nullptr || !widget.windowHandle()->isExposed()) {
            QCoreApplication::processEvents();
        }
    }

    CFirData filter;
    CFirPlot plot;
    gui::PlotWidget widget;
};

// The window itself after a resize: the new picture drawn and shown. Argument: the tap count.
void BM_ResponseWindowResize(benchmark::State& state) {
    ShownResponseWindow window(state.range(0));
    gui::PlotWidget& widget = window.widget;
    bool wider = false;
    for (auto _ : state) {
        wider = !wider;
        widget.resize(wider ? kWidth : kWidth - 20, kHeight);
        widget.repaint();
    }
    state.counters["columns"] = window.plot.Series().x.GetSize();
}
BENCHMARK(BM_ResponseWindowResize)->Arg(10000)->Unit(benchmark::kMillisecond);

// A turn of the wheel over the window: one notch in, then one out, each drawn and shown,
// with the drawings that bring the frequency back under the pointer when the labels move
// the plot's edges. Argument: the tap count.
void BM_ResponseWheelZoom(benchmark::State& state) {
    ShownResponseWindow window(state.range(0));
    gui::PlotWidget& widget = window.widget;
    widget.repaint();
    const QPointF pointer(kWidth / 3.0, kHeight / 2.0);
    bool in = false;
    for (auto _ : state) {
        in = !in;
        QWheelEvent wheel(pointer, widget.mapToGlobal(pointer), QPoint(),
                          QPoint(0, in ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &wheel);
        widget.repaint();
    }
    state.counters["columns"] = window.plot.Series().x.GetSize();
}
BENCHMARK(BM_ResponseWheelZoom)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tapwright

int main(int argc, char** argv) {
    // The drawings need fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
