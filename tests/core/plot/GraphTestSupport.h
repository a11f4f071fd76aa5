#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "core/design/SignalBuilders.h"
#include "core/plot/PlotTestSupport.h"
#include "design/LumenData.h"
#include "plot/Graph.h"
#include "support/RecordingDrawContext.h"

namespace tapwright::test {

// The hint a document sends to show a signal in a graph, asking for a plot type field.
constexpr std::uint32_t ShowHint(std::uint32_t typeField) {
    return hint::kShowChannel + 16 * typeField + 256 * 3;
}

// A time signal of the samples at the sampling frequency (in Hz), all of it visible.
inline void MakeTimeSignal(CLumenData& data, const std::vector<double>& inphase,
                           const std::vector<double>& quadrature, double sampleRate) {
    data.SetTimeData(true);
    SetChannels(data, inphase, quadrature, quadrature.empty());
    data.EqualizeChannels(0.0);
    data.SetFrequencyUnits(CFreqUnits(sampleRate, 0));
}

// A real spectrum of n bins at the sampling frequency: bin spacing sampleRate / n, the
// positive half visible.
inline void MakeSpectrum(CLumenData& data, std::int32_t n, double sampleRate,
                         const std::function<double(std::int32_t)>& inphase) {
    std::vector<double> samples;
    for (std::int32_t i = 0; i < n; ++i) {
        samples.push_back(inphase(i));
    }
    data.SetTimeData(false);
    SetChannels(data, samples, {}, true);
    data.EqualizeChannels(0.0);
    data.SetFrequencyUnits(CFreqUnits(sampleRate, 0));
}

inline std::vector<double> Ramp(std::int32_t n, double slope = 1.0) {
    std::vector<double> samples;
    for (std::int32_t i = 0; i < n; ++i) {
        samples.push_back(slope * i);
    }
    return samples;
}

inline std::vector<double> Values(const CDoubleArray& array) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < array.GetSize(); ++i) {
        values.push_back(array[i]);
    }
    return values;
}

// A graph in a 400 by 300 window that can be told the plot width its drawing gets (as if
// the window had that width) and that records the view ranges it asks the data for.
template <class Base = CGraph>
class ProbeGraph : public Base {
public:
    ProbeGraph() { this->AttachWindow(&window); }

    void ExtractData(int& plotWidth) override {
        if (forcedWidth > 0) {
            plotWidth = forcedWidth;
        }
        Base::ExtractData(plotWidth);
    }

    bool SetViewRange(double x1, double x2, bool strict) override {
        viewRequests.emplace_back(x1, x2);
        return Base::SetViewRange(x1, x2, strict);
    }

    // Draws as the window does: once more when a zoom or pan moved the plot area.
    void Draw() {
        RecordingDrawContext dc;
        EXPECT_TRUE(this->OnDraw(dc).IsEmpty());
        while (this->TakeRedrawRequest()) {
            RecordingDrawContext again;
            EXPECT_TRUE(this->OnDraw(again).IsEmpty());
        }
    }

    // A press, one move and a release, as the widget forwards them.
    void Drag(Point from, Point to) {
        this->OnLButtonDown(from);
        this->OnMouseMove(to, true);
        this->OnLButtonUp(to);
    }

    void Click(Point at) { Drag(at, at); }

    // The pixel of a plotted value, as the last drawing mapped it.
    Point PixelOf(double x, double y) const { return {this->XToPixel(x), this->YToPixel(y)}; }

    using CAxisPlot::forceRescale;
    using CAxisPlot::rescaleX;
    using CAxisPlot::rescaleY;

    FakeViewWindow window{Rect{0, 0, 400, 300}};
    int forcedWidth = 0;
    std::vector<std::pair<double, double>> viewRequests;
};

}  // namespace tapwright::test
