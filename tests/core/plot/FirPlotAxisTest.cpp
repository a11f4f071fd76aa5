#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/plot/GraphTestSupport.h"
#include "design/FirData.h"
#include "plot/FirPlot.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::ProbeGraph;
using test::RecordingDrawContext;

constexpr double kPi = 3.141592653589793;

// 56 symmetric taps of a windowed lowpass: linear phase, a constant delay of 27.5 samples.
std::vector<double> LowpassTaps() {
    std::vector<double> taps;
    constexpr int kTaps = 56;
    for (int n = 0; n < kTaps; ++n) {
        const double t = n - (kTaps - 1) / 2.0;
        const double window = 0.54 - 0.46 * std::cos(2.0 * kPi * n / (kTaps - 1));
        taps.push_back(0.25 * std::sin(0.25 * kPi * t) / (0.25 * kPi * t) * window);
    }
    return taps;
}

// How many of the project's own units one unit of an axis title stands for: "kHz" in a Hz
// project is 1000, "us" in a sec project 1e-6.
double UnitFactor(const std::string& title, std::int32_t projectRow) {
    static const std::vector<std::vector<std::string>> kRows = {
        {" Hz", " sec"}, {" kHz", " ms"}, {" MHz", " us"}, {" GHz", " ns"}};
    for (std::int32_t row = 0; row < static_cast<std::int32_t>(kRows.size()); ++row) {
        for (std::size_t kind = 0; kind < 2; ++kind) {
            const std::string& unit = kRows[static_cast<std::size_t>(row)][kind];
            const std::size_t at = title.find(unit);
            if (at == std::string::npos ||
                (at + unit.size() < title.size() && title[at + unit.size()] != ' ')) {
                continue;
            }
            const int decades = 3 * (row - projectRow);
            return std::pow(10.0, kind == 0 ? decades : -decades);
        }
    }
    return 1.0;  // a quantity without a unit (degrees, dB)
}

// Every label, read as a number in the unit its title names (times the power of ten the
// title adds), stands where it is drawn; and no two labels read the same.
void ExpectLabelsInTheTitleUnit(const std::vector<CPlotLabel>& labels, const std::string& title,
                                int titlePower, std::int32_t projectRow, const char* axis) {
    const double factor = UnitFactor(title, projectRow) * std::pow(10.0, titlePower);
    double largest = 0.0;
    for (const CPlotLabel& label : labels) {
        largest = std::max(largest, std::fabs(static_cast<double>(label.position)));
    }
    // Positions are stored as floats, and labels are rounded to their decimals.
    const double tolerance = 1e-4 * largest;
    std::set<std::string> texts;
    for (const CPlotLabel& label : labels) {
        const double read = std::strtod(label.text.c_str(), nullptr) * factor;
        EXPECT_NEAR(read, label.position, tolerance)
            << axis << " label " << label.text << " under " << title;
        texts.insert(label.text);
    }
    EXPECT_EQ(texts.size(), labels.size()) << axis << " labels repeat under " << title;
}

struct Project {
    const char* name;
    double sampleRate;
    std::int32_t unitRow;
};

const Project kProjects[] = {{"Hz48000", 48000.0, 0}, {"kHz48", 48.0, 1}};

// The texts of one plot drawn on the screen, repainted, in Dot style and copied as an image:
// every one of them must show the same titles and labels.
template <class Plot>
void ExpectEveryDrawingAlike(Plot& plot, FakeUserInterface& ui, const Project& project,
                             const std::string& context) {
    SCOPED_TRACE(context);
    plot.SetStyle(PlotStyle::Line);
    plot.ClearSeries();
    RecordingDrawContext screen;
    EXPECT_TRUE(plot.OnDraw(screen).IsEmpty());
    const std::vector<std::string> expected = screen.TextStrings();
    ASSERT_FALSE(expected.empty());
    ExpectLabelsInTheTitleUnit(plot.XLabels(), plot.Titles().x, plot.XState().titlePower,
                               project.unitRow, "X");
    ExpectLabelsInTheTitleUnit(plot.YLabels(), plot.Titles().y, plot.YState().titlePower,
                               project.unitRow, "Y");

    RecordingDrawContext repaint;
    EXPECT_TRUE(plot.OnDraw(repaint).IsEmpty());
    EXPECT_EQ(repaint.TextStrings(), expected) << "repaint";

    plot.OnStyle(PlotStyle::Dot);
    RecordingDrawContext dotted;
    EXPECT_TRUE(plot.OnDraw(dotted).IsEmpty());
    EXPECT_EQ(dotted.TextStrings(), expected) << "Style > Dot";

    plot.OnCopyImage();
    ASSERT_GT(ui.RecordingClipboard().PictureCount(), 0);
    EXPECT_EQ(ui.RecordingClipboard().LastPicture().TextStrings(), expected) << "Copy Image";
}

class FirPlotAxisTest : public testing::TestWithParam<Project> {
protected:
    void SetUp() override {
        test::SetChannels(filter, LowpassTaps(), {}, true);
        filter.EqualizeChannels(0.0);
        filter.SetFrequencyUnits(CFreqUnits(GetParam().sampleRate, GetParam().unitRow));
    }

    FakeUserInterface ui;
    CFirData filter;
};

TEST_P(FirPlotAxisTest, EveryResponseDrawingShowsTheSameLabelsInTheTitleUnits) {
    for (const PlotType kind :
         {PlotType::ComplexMagnitude, PlotType::ComplexPhase, PlotType::UnwrappedPhase,
          PlotType::PhaseDelay, PlotType::GroupDelay}) {
        ProbeGraph<CFirPlot> plot;
        plot.OnUpdate(nullptr, hint::kOpenResponse + 16 * 4, &filter);
        plot.OnPlotType(kind);
        const std::string name = "kind " + std::to_string(static_cast<int>(kind));
        ExpectEveryDrawingAlike(plot, ui, GetParam(), name + " full view");
        plot.ZoomTo(Rect{plot.XToPixel(plot.XState().maximum * 0.1), 60,
                         plot.XToPixel(plot.XState().maximum * 0.3), 200},
                    true, false);
        ExpectEveryDrawingAlike(plot, ui, GetParam(), name + " zoomed");
    }
}

TEST_P(FirPlotAxisTest, ImpulseResponseDrawingsShowTheSameLabelsInTheTitleUnits) {
    filter.SetTimeData(true);
    ProbeGraph<> graph;
    graph.OnUpdate(nullptr, test::ShowHint(1), &filter);
    ExpectEveryDrawingAlike(graph, ui, GetParam(), "full view");
    // A zoom to a few samples: the time axis moves to a smaller unit.
    graph.ZoomTo(Rect{graph.XToPixel(graph.XState().maximum * 0.1), 60,
                      graph.XToPixel(graph.XState().maximum * 0.2), 200},
                 true, false);
    ExpectEveryDrawingAlike(graph, ui, GetParam(), "zoomed");
    graph.NavigateZoom(ZoomMove::Out);
    ExpectEveryDrawingAlike(graph, ui, GetParam(), "zoomed out");
}

// The delay of 27.5 samples at 48 kHz is 573 us at every frequency: the axis must read in
// milliseconds, not 0.001, 0.001, 0.000 seconds.
TEST_P(FirPlotAxisTest, ConstantGroupDelayIsLabelledDistinctlyInMilliseconds) {
    ProbeGraph<CFirPlot> plot;
    plot.OnUpdate(nullptr, hint::kOpenResponse + 16 * 8, &filter);
    plot.Draw();
    ASSERT_EQ(plot.DisplayKind(), PlotType::GroupDelay);
    for (const double delay : test::Values(plot.Series().y)) {
        ASSERT_NEAR(delay * (GetParam().unitRow == 0 ? 1.0 : 1e-3), 27.5 / 48000.0, 1e-9);
    }
    EXPECT_EQ(plot.Titles().y, "Group Delay in ms");
    EXPECT_EQ(plot.YState().titlePower, 0);
    ExpectLabelsInTheTitleUnit(plot.YLabels(), plot.Titles().y, 0, GetParam().unitRow, "Y");
    ASSERT_GE(plot.YLabels().size(), 3u);
    // The delay lies within the labelled range.
    const double scale = GetParam().unitRow == 0 ? 1.0 : 1e-3;
    EXPECT_LE(plot.YState().minimum * scale, 27.5 / 48000.0);
    EXPECT_GE(plot.YState().maximum * scale, 27.5 / 48000.0);
}

INSTANTIATE_TEST_SUITE_P(Projects, FirPlotAxisTest, testing::ValuesIn(kProjects),
                         [](const testing::TestParamInfo<Project>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tapwright
