#include "plot/Graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

#include "core/plot/GraphTestSupport.h"
#include "fileio/TitlesDlg.h"
#include "plot/PlotPropsDlg.h"
#include "plot/PointReduction.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;
using test::ProbeGraph;
using test::ShowHint;

class GraphTest : public testing::Test {
protected:
    void Bind(std::uint32_t typeField = 1) { graph.OnUpdate(nullptr, ShowHint(typeField), &data); }

    FakeUserInterface ui;
    CLumenData data;
    ProbeGraph<> graph;
};

// 1,200 bins across the axis in 300 pixels: four bins per point, the width kept, and the
// powers of a group summed before they are shown in dB.
TEST_F(GraphTest, SpectrumWithIntegerReductionSumsFourBinsPerPoint) {
    test::MakeSpectrum(data, 2400, 2400.0, [](std::int32_t) { return 1.0; });
    Bind(4);  // Complex Magnitude
    graph.forcedWidth = 300;
    graph.Draw();

    EXPECT_EQ(graph.Layout().width, 300);
    EXPECT_EQ(graph.PointsPerGroup(), 4);
    EXPECT_EQ(graph.Titles().x, "Frequency in Hz (Line Spacing = 4.000, Sum Mode)");
    EXPECT_EQ(graph.Titles().y, "Complex Power in dB");
    ASSERT_EQ(graph.Series().x.GetSize(), 300);
    for (const std::int32_t size : graph.Series().groupSizes) {
        ASSERT_EQ(size, 4);
    }
    EXPECT_NEAR(graph.Series().y[0], 10.0 * std::log10(4.0), 1e-12);
    EXPECT_DOUBLE_EQ(graph.Series().x[1], 4.0);
}

TEST_F(GraphTest, WithoutSumFreqMagTheGroupsShowTheirPeak) {
    test::MakeSpectrum(data, 2400, 2400.0, [](std::int32_t i) { return i % 4 == 2 ? 2.0 : 1.0; });
    Bind(4);
    graph.Options().sumFreqMag = false;
    graph.forcedWidth = 300;
    graph.Draw();

    EXPECT_EQ(graph.Titles().x, "Frequency in Hz (Line Spacing = 4.000, Peak Mode)");
    for (const double y : test::Values(graph.Series().y)) {
        ASSERT_NEAR(y, 10.0 * std::log10(4.0), 1e-12);  // the bin of amplitude 2
    }
    EXPECT_DOUBLE_EQ(graph.Series().x[0], 2.0);  // where the peak was found
}

// 1,000 samples across 300 pixels need 3.5 samples per column: the plot narrows to 286
// columns and each column shows its largest sample.
TEST_F(GraphTest, LongTimeSignalNarrowsThePlotToQuarterRatio) {
    test::MakeTimeSignal(data, test::Ramp(1000), {}, 1.0);
    Bind();
    graph.forcedWidth = 300;
    graph.Draw();

    EXPECT_EQ(graph.Layout().width, 286);
    EXPECT_DOUBLE_EQ(graph.ReductionRatio(), 1000.0 / 286.0);
    EXPECT_EQ(graph.PointsPerGroup(), 0);
    EXPECT_EQ(graph.Titles().x, "Time in sec (3.5:1, Peak Mode)");

    const PlotSeries& series = graph.Series();
    const std::vector<std::int32_t>& sizes = series.groupSizes;
    EXPECT_EQ(std::accumulate(sizes.begin(), sizes.end(), 0), 1000);
    EXPECT_LE(*std::max_element(sizes.begin(), sizes.end()), 4);
    for (std::int32_t p = 0; p < series.x.GetSize(); ++p) {
        ASSERT_EQ(series.y[p], series.x[p]);  // a rising ramp peaks at the column's last sample
    }
}

TEST_F(GraphTest, VisibleRangeBeyondTheSamplesReadsOnlyTheSamples) {
    test::MakeTimeSignal(data, test::Ramp(100), {}, 1.0);
    Bind();
    // Channels replaced without a new range, as a stale range from a file would leave them.
    data.Inphase().RemoveAll();
    data.Quadrature().RemoveAll();
    for (const double v : test::Ramp(5)) {
        data.Inphase().Add(v);
        data.Quadrature().Add(0.0);
    }
    graph.Draw();
    EXPECT_EQ(test::Values(graph.Series().y), test::Ramp(5));
}

TEST(PointReductionTest, AxisWithoutSamplesOrWidthIsNotReduced) {
    for (const double across : {0.0, -5.0, std::numeric_limits<double>::infinity()}) {
        const ReductionPlan plan = PlanLinearReduction(1000, 300, across, true);
        EXPECT_EQ(plan.pointsPerGroup, 1) << across;
        EXPECT_EQ(plan.width, 300) << across;
    }
    EXPECT_EQ(PlanLinearReduction(1000, 0, 1000.0, false).pointsPerGroup, 1);
    // Many more samples than the axis spans: still at least one column.
    EXPECT_GE(PlanLinearReduction(1000, 300, 1e300, false).width, 1);
}

TEST_F(GraphTest, ShortSignalIsPlottedSampleBySampleWithoutNote) {
    test::MakeTimeSignal(data, test::Ramp(100), {}, 1.0);
    Bind();
    graph.Draw();
    EXPECT_EQ(graph.PointsPerGroup(), 1);
    EXPECT_EQ(graph.Series().x.GetSize(), 100);
    EXPECT_EQ(graph.Titles().x, "Time in sec");
    EXPECT_EQ(graph.Titles().y, "Inphase Amplitude");
}

struct DefaultsCase {
    bool timeData;
    std::int32_t points;
    PlotStyle style;
    bool originAtZero;
    bool integerReduction;
};

class GraphDefaultsTest : public GraphTest, public testing::WithParamInterface<DefaultsCase> {};

TEST_P(GraphDefaultsTest, BindingUpdateSetsTheDefaultsOfTheKindOfData) {
    const DefaultsCase& c = GetParam();
    if (c.timeData) {
        test::MakeTimeSignal(data, test::Ramp(c.points), {}, 1.0);
    } else {
        test::MakeSpectrum(data, c.points, 1.0, [](std::int32_t) { return 1.0; });
    }
    graph.SetStyle(PlotStyle::Dot);
    Bind();
    EXPECT_EQ(graph.Style(), c.style);
    EXPECT_EQ(graph.OriginAtZero(), c.originAtZero);
    EXPECT_EQ(graph.Options().integerPointReduction, c.integerReduction);
}

INSTANTIATE_TEST_SUITE_P(Kinds, GraphDefaultsTest,
                         testing::Values(DefaultsCase{true, 256, PlotStyle::LineAndDot, true,
                                                      false},
                                         DefaultsCase{true, 257, PlotStyle::Line, true, false},
                                         DefaultsCase{false, 64, PlotStyle::Bar, false, true}));

TEST_F(GraphTest, BindsToTheFirstSignalShownAndTakesItsTitles) {
    test::MakeTimeSignal(data, test::Ramp(10), {}, 1.0);
    data.SetName("FIR Inphase Impulse Response");
    CLumenData other;
    graph.OnUpdate(nullptr, hint::kAnything, &data);  // not a show request: stays unbound
    EXPECT_FALSE(graph.HasData());

    Bind(4);
    EXPECT_EQ(graph.Data(), &data);
    EXPECT_EQ(graph.GetPlotType(), PlotType::ComplexMagnitude);
    EXPECT_EQ(graph.Titles().main, "FIR Inphase Impulse Response");
    EXPECT_EQ(graph.ViewData(), &data);

    graph.OnUpdate(nullptr, ShowHint(2), &other);  // a second signal does not rebind
    EXPECT_EQ(graph.Data(), &data);
    graph.OnUpdate(nullptr, ShowHint(2), &data);  // a chosen type stays
    EXPECT_EQ(graph.GetPlotType(), PlotType::ComplexMagnitude);
}

TEST_F(GraphTest, RealAndComplexSwitchesOfTimeDataChangeTheType) {
    test::MakeTimeSignal(data, test::Ramp(10), {}, 1.0);
    Bind();
    ASSERT_EQ(graph.GetPlotType(), PlotType::InphaseAmplitude);

    data.SetReal(false);
    graph.OnUpdate(nullptr, hint::kSampleRate, &data);
    EXPECT_EQ(graph.GetPlotType(), PlotType::IAndQAmplitudes);

    data.SetReal(true);
    graph.OnUpdate(nullptr, hint::kSampleRate, &data);
    EXPECT_EQ(graph.GetPlotType(), PlotType::InphaseAmplitude);
}

TEST_F(GraphTest, TypeCommandsNeedDataAndAllButInphaseNeedComplexData) {
    const CommandTable<CGraph>& commands = graph.Commands();
    const std::vector<CommandId> ids = {kCmdTypeInphaseAmplitude, kCmdTypeQuadratureAmplitude,
                                        kCmdTypeIAndQAmplitudes,  kCmdTypeComplexMagnitude,
                                        kCmdTypeComplexPhase,     kCmdTypePolar};
    for (const CommandId id : ids) {
        EXPECT_FALSE(commands.IsEnabled(graph, id)) << id;
    }
    test::MakeTimeSignal(data, test::Ramp(10), {}, 1.0);
    Bind();
    for (const CommandId id : ids) {
        EXPECT_EQ(commands.IsEnabled(graph, id), id == kCmdTypeInphaseAmplitude) << id;
    }
    EXPECT_TRUE(commands.IsChecked(graph, kCmdTypeInphaseAmplitude));

    data.SetReal(false);
    for (const CommandId id : ids) {
        EXPECT_TRUE(commands.IsEnabled(graph, id)) << id;
    }
    EXPECT_TRUE(commands.Execute(graph, kCmdTypeComplexPhase));
    EXPECT_TRUE(commands.IsChecked(graph, kCmdTypeComplexPhase));
    EXPECT_FALSE(commands.IsChecked(graph, kCmdTypeInphaseAmplitude));
}

TEST_F(GraphTest, PolarPlotHasEqualSpansAndFindsPointsInTheIQPlane) {
    // A quarter circle of radius 2 seen from the centre of the I/Q plane.
    std::vector<double> i;
    std::vector<double> q;
    for (int k = 0; k <= 8; ++k) {
        i.push_back(2.0 * std::cos(k * 3.141592653589793 / 16.0));
        q.push_back(0.5 * std::sin(k * 3.141592653589793 / 16.0));
    }
    test::MakeTimeSignal(data, i, q, 1.0);
    Bind();
    graph.OnPlotType(PlotType::Polar);
    graph.Draw();

    EXPECT_TRUE(graph.IsPolar());
    EXPECT_EQ(graph.Titles().x.substr(0, 7), "Inphase");
    EXPECT_EQ(graph.Titles().y, "Quadrature");
    EXPECT_NEAR(graph.YAxis().dataMaximum - graph.YAxis().dataMinimum,
                graph.XAxis().dataMaximum - graph.XAxis().dataMinimum, 1e-12);
    const std::optional<std::int32_t> nearest =
        graph.NearestPoint(graph.PixelOf(i[8] + 0.01, q[8] - 0.01));
    EXPECT_EQ(nearest, 8);

    // The readout marker stands at the point's Inphase value, where it is drawn.
    graph.Click(graph.PixelOf(i[4], q[4]));
    EXPECT_EQ(graph.RubberBand().VerticalMarkers()[0], graph.XToPixel(i[4]));
}

TEST_F(GraphTest, PolarPointsOfAFastSignalAreGroupedBySample) {
    // At 48 kHz the samples' times span a sliver of the Inphase axis; the groups must still
    // follow the reduction rather than the time values' columns.
    std::vector<double> i;
    std::vector<double> q;
    for (int k = 0; k < 1000; ++k) {
        i.push_back(std::cos(k * 0.01));
        q.push_back(std::sin(k * 0.01));
    }
    test::MakeTimeSignal(data, i, q, 48000.0);
    Bind();
    graph.OnPlotType(PlotType::Polar);
    graph.Draw();
    ASSERT_GT(graph.ReductionRatio(), 1.0);
    EXPECT_NEAR(graph.Series().y.GetSize(), 1000.0 / graph.ReductionRatio(), 1.0);
    const std::vector<std::int32_t>& sizes = graph.Series().groupSizes;
    EXPECT_EQ(std::accumulate(sizes.begin(), sizes.end(), 0), 1000);
}

// Each plotted point of a polar plot is one whole sample: a signal on the unit circle stays
// on it however many samples share a column.
TEST_F(GraphTest, PolarPointsOfALongSignalStayOnItsCircle) {
    std::vector<double> i;
    std::vector<double> q;
    for (int k = 0; k < 3000; ++k) {
        i.push_back(std::cos(k * 0.0137));
        q.push_back(std::sin(k * 0.0137));
    }
    test::MakeTimeSignal(data, i, q, 1.0);
    Bind();
    graph.OnPlotType(PlotType::Polar);
    graph.Draw();
    const PlotSeries& series = graph.Series();
    ASSERT_GT(graph.ReductionRatio(), 1.0);
    ASSERT_LT(series.y.GetSize(), 3000);
    ASSERT_EQ(series.y2.GetSize(), series.y.GetSize());
    for (std::int32_t p = 0; p < series.y.GetSize(); ++p) {
        ASSERT_NEAR(std::hypot(series.y[p], series.y2[p]), 1.0, 1e-9) << p;
    }
}

// A polar plot shows both channels: the name of a one-channel view does not fit it.
TEST_F(GraphTest, PolarPlotIsTitledForBothChannelsAndLeavingItRestoresTheName) {
    test::MakeTimeSignal(data, test::Ramp(10), test::Ramp(10, -1.0), 1.0);
    data.SetName("FIR Inphase Impulse Response");
    Bind();
    graph.Draw();
    EXPECT_EQ(graph.Titles().main, "FIR Inphase Impulse Response");

    graph.OnPlotType(PlotType::Polar);
    graph.Draw();
    EXPECT_EQ(graph.Titles().main, "FIR Complex Impulse Response (I vs. Q)");

    graph.OnPlotType(PlotType::InphaseAmplitude);
    graph.Draw();
    EXPECT_EQ(graph.Titles().main, "FIR Inphase Impulse Response");
}

TEST_F(GraphTest, PolarQuestionsGuardTheZoomLevels) {
    test::MakeTimeSignal(data, test::Ramp(1000), test::Ramp(1000, -1.0), 1.0);
    Bind();
    graph.Draw();
    graph.ZoomTo(Rect{100, 50, 200, 150}, true, false);
    ASSERT_FALSE(graph.ZoomLevels().IsEmpty());

    ui.ExpectMessage(
        "Changing to Polar mode will reset all zoom levels.\nDo you want to change to Polar Mode?",
        MessageResult::No);
    graph.OnPlotType(PlotType::Polar);
    EXPECT_EQ(graph.GetPlotType(), PlotType::InphaseAmplitude);
    EXPECT_FALSE(graph.ZoomLevels().IsEmpty());
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Question);

    graph.OnPlotType(PlotType::ComplexMagnitude);  // between other types the levels stay
    EXPECT_FALSE(graph.ZoomLevels().IsEmpty());

    ui.ExpectMessage(
        "Changing to Polar mode will reset all zoom levels.\nDo you want to change to Polar Mode?",
        MessageResult::Yes);
    graph.OnPlotType(PlotType::Polar);
    EXPECT_EQ(graph.GetPlotType(), PlotType::Polar);
    EXPECT_TRUE(graph.ZoomLevels().IsEmpty());
    EXPECT_EQ(data.GetRangeLast(), 999);  // the whole signal again

    graph.Draw();
    graph.ZoomTo(Rect{100, 50, 200, 150}, true, false);
    EXPECT_EQ(data.GetRangeLast(), 999);  // a polar zoom leaves the data's range alone
    ui.ExpectMessage(
        "Changing out of Polar mode will reset all zoom levels.\nDo you want to change out of "
        "Polar Mode?",
        MessageResult::No);
    graph.OnPlotType(PlotType::InphaseAmplitude);
    EXPECT_EQ(graph.GetPlotType(), PlotType::Polar);
}

TEST_F(GraphTest, PropertiesShowTheCurrentStyleAndRescaleOnOk) {
    test::MakeSpectrum(data, 64, 1.0, [](std::int32_t) { return 1.0; });
    Bind();
    ui.ExpectDialog<CPlotPropsDlg>([](CPlotPropsDlg& dialog) {
        EXPECT_EQ(dialog.style, 3);  // Bar
        EXPECT_FALSE(dialog.originAtZero);
        EXPECT_TRUE(dialog.integerPointReduction);
        dialog.style = 1;  // Dot
        dialog.magnitudeInDb = false;
        return true;
    });
    graph.window.invalidations = 0;
    EXPECT_TRUE(graph.Commands().Execute(graph, kCmdProperties));
    EXPECT_EQ(graph.Style(), PlotStyle::Dot);
    EXPECT_FALSE(graph.Options().magnitudeInDb);
    EXPECT_TRUE(graph.forceRescale);
    EXPECT_EQ(graph.window.invalidations, 1);

    ui.ExpectDialog<CPlotPropsDlg>([](CPlotPropsDlg& dialog) {
        dialog.style = 3;
        return false;
    });
    graph.OnProperties();
    EXPECT_EQ(graph.Style(), PlotStyle::Dot);
}

TEST_F(GraphTest, EditedTitlesReplaceTheAutomaticOnesAndCancelKeepsThem) {
    test::MakeTimeSignal(data, test::Ramp(10), {}, 1.0);
    data.SetName("Signal");
    Bind();
    graph.Draw();
    CTitlesDlg& stored = data.GetFormat().PlotTitles();

    ui.ExpectDialog<CTitlesDlg>([](CTitlesDlg& dialog) {
        dialog.xTitle = "Changed";
        return false;
    });
    graph.OnTitles();
    EXPECT_TRUE(stored.AllEmpty());
    EXPECT_TRUE(graph.Options().autoTitles);

    ui.ExpectDialog<CTitlesDlg>([](CTitlesDlg& dialog) {
        EXPECT_EQ(dialog.mainTitle, "Signal");
        EXPECT_EQ(dialog.xTitle, "Time in sec");
        EXPECT_EQ(dialog.yTitle, "Inphase Amplitude");
        dialog.xTitle = "";
        dialog.yTitle = "Volts";
        return true;
    });
    graph.OnTitles();
    EXPECT_FALSE(graph.Options().autoTitles);
    EXPECT_EQ(stored.yTitle, "Volts");
    graph.Draw();
    EXPECT_EQ(graph.Titles().x, "");
    EXPECT_EQ(graph.Titles().y, "Volts");
    EXPECT_EQ(graph.Titles().main, "Signal");
}

TEST_F(GraphTest, DataCommandsWaitForDataAndResizeExtractsAnew) {
    const CommandTable<CGraph>& commands = graph.Commands();
    for (const CommandId id : {kCmdProperties, kCmdTitles, kCmdXAxis, kCmdYAxis, kCmdWriteData}) {
        EXPECT_FALSE(commands.IsEnabled(graph, id)) << id;
    }
    EXPECT_TRUE(commands.IsEnabled(graph, kCmdFont));
    test::MakeTimeSignal(data, test::Ramp(10), {}, 1.0);
    Bind();
    for (const CommandId id : {kCmdProperties, kCmdTitles, kCmdXAxis, kCmdYAxis, kCmdWriteData}) {
        EXPECT_TRUE(commands.IsEnabled(graph, id)) << id;
    }
    graph.Draw();
    ASSERT_FALSE(graph.Series().IsEmpty());
    graph.OnSize();
    EXPECT_TRUE(graph.Series().IsEmpty());
}

}  // namespace
}  // namespace tapwright
