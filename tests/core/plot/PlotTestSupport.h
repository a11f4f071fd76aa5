#pragma once

#include <vector>

#include "platform/View.h"
#include "plot/AxisPlot.h"

namespace tapwright::test {

// A window of a fixed size that counts the repaints it is asked for.
class FakeViewWindow : public ViewWindow {
public:
    explicit FakeViewWindow(Rect client) : client_(client) {}
    void Invalidate() override { ++invalidations; }
    Rect ClientRect() const override { return client_; }

    int invalidations = 0;

private:
    Rect client_;
};

inline void Fill(CDoubleArray& array, const std::vector<double>& values) {
    array.SetSize(0);
    for (double v : values) {
        array.Add(v);
    }
}

// A plot with data of its own: it reports data as long as `hasData` is set and hands out its
// points whenever the drawing asks for them.
class TestPlot : public CAxisPlot {
public:
    void SetPoints(std::vector<double> x, std::vector<double> y, std::vector<double> y2 = {}) {
        x_ = std::move(x);
        y_ = std::move(y);
        y2_ = std::move(y2);
        Fill(Series().x, x_);
        Fill(Series().y, y_);
        Fill(Series().y2, y2_);
    }

    bool HasData() const override { return hasData; }
    void ExtractData(int& plotWidth) override {
        ++extractions;
        extractedWidth = plotWidth;
        Fill(Series().x, x_);
        Fill(Series().y, y_);
        Fill(Series().y2, y2_);
    }

    using CAxisPlot::forceRescale;
    using CAxisPlot::rescaleX;
    using CAxisPlot::rescaleY;

    bool hasData = true;
    int extractions = 0;
    int extractedWidth = 0;

private:
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> y2_;
};

}  // namespace tapwright::test
