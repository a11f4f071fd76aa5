#include "plot/FirPlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/plot/GraphTestSupport.h"
#include "design/FirData.h"
#include "numtext/NumString.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::ProbeGraph;
using test::RecordingDrawContext;

// The hint that opens a response plot: display field 4 to 8, selection field 0 to 3.
constexpr std::uint32_t OpenHint(std::uint32_t display, std::uint32_t selection) {
    return hint::kOpenResponse + 16 * display + 256 * selection;
}

class FirPlotTest : public testing::Test {
protected:
    // Coefficients at a sampling frequency in the unit row (1 is kHz); real without
    // Quadrature coefficients.
    void SetCoefficients(const std::vector<double>& inphase, const std::vector<double>& quadrature,
                         double sampleRate, std::int32_t unitRow = 0) {
        test::SetChannels(filter, inphase, quadrature, quadrature.empty());
        filter.EqualizeChannels(0.0);
        filter.SetFrequencyUnits(CFreqUnits(sampleRate, unitRow));
    }

    void Open(std::uint32_t hintValue) { plot.OnUpdate(nullptr, hintValue, &filter); }

    FakeUserInterface ui;
    CFirData filter;
    ProbeGraph<CFirPlot> plot;
};

TEST_F(FirPlotTest, InphaseViewOfAComplexFilterShowsTheComplexFilterOverBothHalves) {
    SetCoefficients({1.0, 0.5}, {0.0, 0.5}, 48.0, 1);
    filter.SetName("FIR Frequency Response");
    Open(OpenHint(4, 0));
    EXPECT_EQ(plot.Selection(), ChannelSelection::ComplexFilter);
    EXPECT_EQ(plot.DisplayKind(), PlotType::ComplexMagnitude);
    EXPECT_DOUBLE_EQ(plot.XState().minimum, -24.0);
    EXPECT_DOUBLE_EQ(plot.XState().maximum, 24.0);
    EXPECT_EQ(plot.Titles().main, "FIR Frequency Response");

    plot.Draw();
    EXPECT_EQ(plot.Titles().main, "Complex Filter Frequency Response");
    EXPECT_EQ(plot.Titles().x, "Frequency in kHz");
    EXPECT_EQ(plot.Titles().y, "Magnitude in dB");
    const std::vector<double> f = test::Values(plot.Series().x);
    ASSERT_FALSE(f.empty());
    EXPECT_NEAR(f.front(), -24.0, 0.5);
    EXPECT_NEAR(f.back(), 24.0, 0.5);
    // The complex filter's response is not symmetric: it is the complex one being shown.
    EXPECT_NE(filter.GetPlotValue(ChannelSelection::ComplexFilter, false, -12.0),
              filter.GetPlotValue(ChannelSelection::ComplexFilter, false, 12.0));
    EXPECT_DOUBLE_EQ(plot.Series().y[0],
                     filter.GetPlotValue(ChannelSelection::ComplexFilter, false, f.front()));
}

TEST_F(FirPlotTest, QuadratureViewOfARealFilterKeepsItsSelectionAndHalfBand) {
    SetCoefficients({1.0, 0.5}, {}, 48.0, 1);
    Open(OpenHint(4, 1));
    EXPECT_EQ(plot.Selection(), ChannelSelection::Quadrature);
    EXPECT_DOUBLE_EQ(plot.XState().minimum, 0.0);
    EXPECT_DOUBLE_EQ(plot.XState().maximum, 24.0);
    plot.Draw();
    EXPECT_EQ(plot.Titles().main, "Quadrature Filter Frequency Response");
    for (const double y : test::Values(plot.Series().y)) {
        ASSERT_EQ(y, filter.GetMinResponseDb());  // zero Quadrature coefficients
    }
}

TEST_F(FirPlotTest, ComplexFilterMadeRealSwitchesToInphaseOverTheHalfBand) {
    SetCoefficients({1.0, 0.5}, {0.0, 0.5}, 2.0);
    Open(OpenHint(4, 3));
    ASSERT_EQ(plot.Selection(), ChannelSelection::ComplexFilter);
    ASSERT_DOUBLE_EQ(plot.XState().minimum, -1.0);

    SetCoefficients({1.0, 0.5}, {}, 2.0);
    plot.OnUpdate(nullptr, hint::kAnything, nullptr);
    EXPECT_EQ(plot.Selection(), ChannelSelection::Inphase);
    EXPECT_DOUBLE_EQ(plot.XState().minimum, 0.0);
    EXPECT_TRUE(plot.forceRescale);
}

TEST_F(FirPlotTest, ComplexCommandOnARealFilterKeepsTheFrequencyRange) {
    SetCoefficients({1.0, 0.5}, {}, 2.0);
    Open(OpenHint(4, 0));
    const CommandTable<CGraph>& commands = plot.Commands();
    for (const CommandId id :
         {kCmdFilterInphase, kCmdFilterQuadrature, kCmdFilterIAndQ, kCmdFilterComplex,
          kCmdResponseMagnitude, kCmdResponsePhase, kCmdResponseUnwrappedPhase,
          kCmdResponsePhaseDelay, kCmdResponseGroupDelay}) {
        EXPECT_TRUE(commands.IsEnabled(plot, id)) << id;
    }
    EXPECT_FALSE(commands.Handles(kCmdTypePolar));
    EXPECT_TRUE(commands.IsChecked(plot, kCmdFilterInphase));
    EXPECT_TRUE(commands.IsChecked(plot, kCmdResponseMagnitude));

    plot.Draw();
    EXPECT_TRUE(commands.Execute(plot, kCmdFilterComplex));
    EXPECT_TRUE(plot.Series().IsEmpty());
    EXPECT_TRUE(commands.IsChecked(plot, kCmdFilterComplex));
    EXPECT_FALSE(commands.IsChecked(plot, kCmdFilterInphase));
    EXPECT_DOUBLE_EQ(plot.XState().minimum, 0.0);
    EXPECT_TRUE(commands.Execute(plot, kCmdResponsePhaseDelay));
    EXPECT_EQ(plot.DisplayKind(), PlotType::PhaseDelay);
}

TEST_F(FirPlotTest, ReadoutNamesTheFrequencyInTheFilterUnits) {
    SetCoefficients({0.5, 0.5}, {}, 48.0, 1);
    Open(OpenHint(4, 0));
    plot.Series().x.Add(12.5);
    plot.Series().y.Add(filter.GetPlotValue(ChannelSelection::Inphase, false, 12.5));
    const std::string value = CNumString(plot.Series().y[0], 2, Notation::Engineering).Text();
    EXPECT_EQ(plot.ReadoutText(0), "At 12.500 kHz, Inphase filter gain is " + value + " dB.");
    plot.ShowPointReadout(0);
    EXPECT_EQ(ui.StatusTexts().back(), plot.ReadoutText(0));

    plot.OnPlotType(PlotType::GroupDelay);  // clears the series
    plot.Series().x.Add(1500.0);
    plot.Series().y.Add(0.25);
    EXPECT_EQ(plot.ReadoutText(0), "At 1.500 MHz, Inphase filter group delay is 0.25 ms.");
}

TEST_F(FirPlotTest, InphaseAndQuadratureShowsTwoTracesAndReadsOutBoth) {
    SetCoefficients({1.0, 1.0}, {0.0, 0.0}, 1.0);
    Open(OpenHint(4, 2));
    plot.Draw();
    EXPECT_EQ(plot.Titles().main, "Inphase and Quadrature Filter Frequency Responses");
    const PlotSeries& series = plot.Series();
    ASSERT_GT(series.y.GetSize(), 0);
    ASSERT_EQ(series.y2.GetSize(), series.y.GetSize());
    EXPECT_NEAR(series.y[0], 20.0 * std::log10(2.0), 1e-9);
    for (const double y2 : test::Values(series.y2)) {
        ASSERT_EQ(y2, filter.GetMinResponseDb());
    }
    const std::string text = plot.ReadoutText(0);
    EXPECT_NE(text.find(" Inphase filter gain is 6.02 dB and Quadrature filter gain is "),
              std::string::npos)
        << text;
}

TEST_F(FirPlotTest, AutoscaleGridFromZeroToOneLeavesOutTheUpperEnd) {
    // Coefficients 1, 1 have a null at Fs/2 = 1; the grid stops a step before it.
    SetCoefficients({1.0, 1.0}, {}, 2.0);
    Open(OpenHint(4, 0));
    EXPECT_TRUE(plot.GetDataRange().IsEmpty());
    EXPECT_TRUE(plot.Series().IsEmpty());
    EXPECT_NEAR(plot.YAxis().dataMaximum, 20.0 * std::log10(2.0), 1e-12);
    EXPECT_NEAR(plot.YAxis().dataMinimum,
                filter.GetPlotValue(ChannelSelection::Inphase, false, 127.0 / 128.0), 1e-9);
    EXPECT_GT(plot.YAxis().dataMinimum, filter.GetMinResponseDb());
    EXPECT_DOUBLE_EQ(plot.XAxis().dataMaximum, 1.0);
}

TEST_F(FirPlotTest, DisplayGridHasOnePointPerColumnWithinHalfTheSamplingFrequency) {
    SetCoefficients({0.5, 0.5}, {}, 1.0);
    Open(OpenHint(8, 0));  // group delay
    ASSERT_TRUE(plot.SetViewRange(-1.0, 2.0, false));
    plot.Draw();
    const std::vector<double> f = test::Values(plot.Series().x);
    ASSERT_FALSE(f.empty());
    // The band's edges are the columns of -Fs/2 and Fs/2, though the axis runs on.
    EXPECT_EQ(plot.XToPixel(f.front()), plot.XToPixel(-0.5));
    EXPECT_EQ(plot.XToPixel(f.back()), plot.XToPixel(0.5));
    EXPECT_LT(plot.XState().minimum, -0.5);
    EXPECT_EQ(static_cast<int>(f.size()), plot.XToPixel(0.5) - plot.XToPixel(-0.5) + 1);
    for (std::size_t i = 1; i < f.size(); ++i) {
        ASSERT_EQ(plot.XToPixel(f[i]), plot.XToPixel(f[i - 1]) + 1);
    }
    // Two equal taps delay by half a sample everywhere.
    for (const double delay : test::Values(plot.Series().y)) {
        ASSERT_NEAR(delay, 0.5, 1e-9);
    }
    EXPECT_EQ(plot.Titles().y, "Group Delay in sec");
}

class FirPlotLimitsTest : public FirPlotTest {
protected:
    void SetUp() override {
        filter.SetSpecification(ResponseType::Filter, 2, 16);
        ASSERT_TRUE(filter.AddBand(0.0, 0.1, 1.0, 1.0, false, true, false));
        ASSERT_TRUE(filter.AddBand(0.2, 0.5, 0.0, 60.0, false, true, false));
        SetCoefficients({1.0}, {}, 1.0);
        Open(OpenHint(4, 0));
        plot.Draw();
        // A value axis from -100 to 10 dB, so that every limit is in view.
        plot.YAxis().automatic = false;
        plot.YAxis().minimum = -100.0;
        plot.YAxis().maximum = 10.0;
        plot.YAxis().labelSpacing = 10.0;
        plot.YAxis().ticSpacing = 10.0;
        plot.OnAxisEdited(AxisId::Y);
    }

    std::vector<RecordingDrawContext::Line> LimitLines() {
        RecordingDrawContext dc;
        EXPECT_TRUE(plot.OnDraw(dc).IsEmpty());
        std::vector<RecordingDrawContext::Line> lines;
        for (const auto& line : dc.Lines()) {
            if (line.pen.color == kBlack && line.pen.style == PenStyle::Dashed) {
                lines.push_back(line);
            }
        }
        return lines;
    }
};

TEST_F(FirPlotLimitsTest, DesignedFilterShowsRippleAndAttenuationLimits) {
    filter.SetDesigned(true);
    const auto lines = LimitLines();
    const double ripple = filter.GetAttnRippleDisplay(0, true);
    const double attenuation = filter.GetAttnRippleDisplay(1, true);
    ASSERT_NEAR(ripple, 1.0, 1e-9);
    ASSERT_NEAR(attenuation, 60.0, 1e-9);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, (Point{plot.XToPixel(0.0), plot.YToPixel(-ripple / 2.0)}));
    EXPECT_EQ(lines[0].to, (Point{plot.XToPixel(0.1), plot.YToPixel(-ripple / 2.0)}));
    EXPECT_EQ(lines[1].from.y, plot.YToPixel(ripple / 2.0));
    EXPECT_EQ(lines[2].from, (Point{plot.XToPixel(0.2), plot.YToPixel(-attenuation)}));
    EXPECT_EQ(lines[2].to.x, plot.XToPixel(0.5));
}

TEST_F(FirPlotLimitsTest, LimitsNeedADesignAndTheMagnitude) {
    EXPECT_TRUE(LimitLines().empty());
    filter.SetDesigned(true);
    plot.OnPlotType(PlotType::ComplexPhase);
    EXPECT_TRUE(LimitLines().empty());
}

// A differentiator's gain rises with the frequency (slope times f in cycles per sample), and
// so do its ripple limits: they follow 20 log10 f, not a flat line at the slope's level.
TEST_F(FirPlotLimitsTest, DifferentiatorLimitsFollowTheSlope) {
    filter.SetSpecification(ResponseType::Differentiator, 16, 16);
    ASSERT_TRUE(filter.AddBand(0.0, 0.4, 0.0, 1.0, true, true, false));  // slope 1, 1 dB
    filter.SetDesigned(true);
    const double ripple = filter.GetAttnRippleDisplay(0, true);
    const auto lines = LimitLines();
    ASSERT_FALSE(lines.empty());

    int lowest = std::numeric_limits<int>::max();  // rows: the highest level has the lowest
    int highest = std::numeric_limits<int>::min();
    for (const auto& line : lines) {
        for (const Point end : {line.from, line.to}) {
            const double f = plot.PixelToX(end.x);
            ASSERT_GT(f, 0.0);
            ASSERT_LE(f, 0.4 + 1e-9);
            const double level = 20.0 * std::log10(f);
            const int below = plot.YToPixel(level - ripple / 2.0);
            const int above = plot.YToPixel(level + ripple / 2.0);
            EXPECT_TRUE(std::abs(end.y - below) <= 1 || std::abs(end.y - above) <= 1)
                << "at f = " << f << " row " << end.y;
            lowest = std::min(lowest, end.y);
            highest = std::max(highest, end.y);
        }
    }
    // From the first column after 0 Hz (below -45 dB) up to the level of 0.4 (-8 dB) at the
    // band's edge.
    EXPECT_NEAR(lowest, plot.YToPixel(20.0 * std::log10(0.4) + ripple / 2.0), 1);
    EXPECT_GE(highest, plot.YToPixel(-45.0));
}

}  // namespace
}  // namespace tapwright
