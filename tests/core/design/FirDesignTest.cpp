#include "design/FirData.h"
#include "design/DesignProgress.h"
#include "design/OptimizeOutcome.h"
#include "math/RemezDesign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "math/ResponseEvaluator.h"
#include "math/ResponseQuantity.h"
#include "support/DesignFlow.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;

constexpr const char* kEdgesNotSpecified =
    "Cannot estimate if both the bottom and top of the band are not specified.";

// A two-band filter with the ripple and attenuation in dB: a lowpass (passband first) or a
// highpass (stopband first) with the transition from 0.1 to 0.1 + width.
CFirData TwoBand(bool lowpass, double width, double rippleDb, double attenuationDb,
                 std::int32_t taps = 0) {
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, taps, 16);
    const double lowGain = lowpass ? 1.0 : 0.0;
    filter.AddBand(0.0, 0.1, lowGain, lowpass ? rippleDb : attenuationDb, false, true, false);
    filter.AddBand(0.1 + width, 0.5, 1.0 - lowGain, lowpass ? attenuationDb : rippleDb, false,
                   true, false);
    return filter;
}

// The worked example: 0.1 dB ripple (weight about 173.72), 40 dB attenuation (weight 100).
CFirData Lowpass(std::int32_t taps = 0) { return TwoBand(true, 0.05, 0.1, 40.0, taps); }
CFirData Highpass(std::int32_t taps = 0) { return TwoBand(false, 0.05, 0.1, 40.0, taps); }

TEST(FirDesignTest, EstimateFollowsTheClosedFormAndItsLengthRules) {
    FakeUserInterface ui;
    // n = 43 for the lowpass, plus 4; n = 42 for the highpass, made odd.
    EXPECT_EQ(Lowpass().EstimateTaps(), 47);
    EXPECT_EQ(Highpass().EstimateTaps(), 43);
    // A very loose specification still gets the shortest filter; a very sharp one gets its
    // real estimate, beyond the largest filter (the limit applies where a design is made).
    EXPECT_EQ(TwoBand(true, 0.35, 6.0, 6.0).EstimateTaps(), 3);
    EXPECT_EQ(TwoBand(true, 0.0001, 0.001, 120.0).EstimateTaps(), 61375);
    EXPECT_EQ(TwoBand(false, 0.0001, 0.001, 120.0).EstimateTaps() % 2, 1);
}

struct EstimateRefusal {
    const char* name;
    std::function<void(CFirData&)> build;
    const char* message;
};

class CanEstimateTest : public testing::TestWithParam<EstimateRefusal> {};

TEST_P(CanEstimateTest, RefusesWithItsReasonAndKeepsTheTapCount) {
    FakeUserInterface ui;
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 25, 16);
    GetParam().build(filter);
    EXPECT_FALSE(filter.CanEstimate());
    EXPECT_TRUE(ui.Messages().empty());
    ui.ExpectMessage(GetParam().message);
    EXPECT_EQ(EstimateShowing(filter), 25);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Stop);
}

void AddBands(CFirData& filter, const std::vector<std::vector<double>>& bands) {
    for (const auto& b : bands) {
        filter.AddBand(b[0], b[1], b[2], 20.0, false, true, false);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CanEstimateTest,
    testing::Values(
        EstimateRefusal{"ThreeBands",
                        [](CFirData& f) {
                            AddBands(f, {{0.0, 0.1, 0.0}, {0.15, 0.3, 1.0}, {0.35, 0.5, 0.0}});
                        },
                        "Error: Cannot estimate FIR with other than two bands.\n"
                        "(Exactly one passband and one stopband is required.)"},
        EstimateRefusal{"TwoPassbands",
                        [](CFirData& f) { AddBands(f, {{0.0, 0.1, 1.0}, {0.15, 0.5, 0.5}}); },
                        "Cannot estimate if there is not one passband and one stopband."},
        EstimateRefusal{"Differentiator",
                        [](CFirData& f) {
                            f.SetSpecification(ResponseType::Differentiator, 25, 16);
                            AddBands(f, {{0.0, 0.1, 1.0}, {0.15, 0.5, 0.0}});
                        },
                        "Cannot estimate Number of Taps for Differentiator or Hilbert."},
        EstimateRefusal{"FirstBandStartsAbove0_001",
                        [](CFirData& f) { AddBands(f, {{0.002, 0.1, 1.0}, {0.15, 0.5, 0.0}}); },
                        kEdgesNotSpecified},
        EstimateRefusal{"SecondBandEndsBelow0_499",
                        [](CFirData& f) { AddBands(f, {{0.0, 0.1, 1.0}, {0.15, 0.498, 0.0}}); },
                        kEdgesNotSpecified}),
    [](const testing::TestParamInfo<EstimateRefusal>& info) { return info.param.name; });

TEST(FirDesignTest, DesignReplacesTheCoefficientsByRealTimeData) {
    FakeUserInterface ui;
    CFirData filter = Lowpass(47);
    filter.Inphase().Add(5.0);
    filter.Quadrature().Add(7.0);
    filter.SetReal(false);
    filter.SetTimeData(false);
    filter.SetWindowType(2);

    EXPECT_TRUE(DesignShowing(filter));
    EXPECT_TRUE(filter.EngineConverged());
    ASSERT_EQ(filter.Inphase().GetNumPoints(), 47);
    ASSERT_EQ(filter.Quadrature().GetNumPoints(), 47);
    for (std::int32_t i = 0; i < 47; ++i) {
        EXPECT_EQ(filter.Inphase().GetAt(i), filter.DesignTaps()[static_cast<std::size_t>(i)]);
        EXPECT_EQ(filter.Quadrature().GetAt(i), 0.0);
    }
    EXPECT_TRUE(filter.IsReal());
    EXPECT_TRUE(filter.IsTimeData());
    EXPECT_EQ(filter.GetWindowType(), -1);
    EXPECT_EQ(filter.GetRangeLast(), 46);
    EXPECT_EQ(ui.StatusTexts().front(), "Doing design iteration number 1.");
    EXPECT_TRUE(filter.MeetsSpec());
}

TEST(FirDesignTest, RefusedSpecificationKeepsTheCoefficients) {
    FakeUserInterface ui;
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 21, 16);
    filter.AddBand(0.0, 0.2, 1.0, 1.0, false, true, false);
    filter.Inphase().Add(5.0);
    filter.Quadrature().Add(0.0);
    ui.ExpectMessage(
        "Error: Cannot design FIR with less than two bands.\n"
        "(At least one passband and one stopband is required.)");
    EXPECT_FALSE(DesignShowing(filter));
    EXPECT_FALSE(filter.EngineConverged());
    EXPECT_EQ(filter.Inphase().GetNumPoints(), 1);
}

TEST(FirDesignTest, TapCountRaisedByAQuietValidationIsDesignedInFull) {
    FakeUserInterface ui;
    CFirData filter = Highpass(42);
    ASSERT_TRUE(filter.Validate());
    ASSERT_EQ(filter.GetNumTaps(), 43);
    EXPECT_TRUE(DesignShowing(filter));
    EXPECT_EQ(filter.Inphase().GetNumPoints(), 43);
}

TEST(FirDesignTest, EngineFailureIsReportedByWhetherTheBandsPass) {
    FakeUserInterface ui;
    // With so wide a transition, 61 taps would reach a deviation far below double
    // precision: the deviation stops growing, and the taps still pass.
    CFirData generous = TwoBand(true, 0.3, 1.0, 40.0, 61);
    ui.ExpectMessage(
        "The Parks-McClellan design algorithm failed to converge,\n"
        "but the filter meets specifications anyway.");
    EXPECT_FALSE(DesignShowing(generous));
    EXPECT_FALSE(generous.EngineConverged());
    EXPECT_TRUE(generous.MeetsSpec());

    // 400 dB is beyond double precision: neither engine levels the error, and the taps
    // cannot reach the attenuation.
    CFirData impossible = TwoBand(true, 0.3, 1.0, 400.0, 61);
    ui.ExpectMessage(
        "The Parks-McClellan design algorithm failed to converge.\n"
        "(You might try changing the grid density or the number of taps.)");
    EXPECT_FALSE(DesignShowing(impossible));
    EXPECT_FALSE(impossible.EngineConverged());
    EXPECT_EQ(impossible.Inphase().GetNumPoints(), 61);
    EXPECT_FALSE(impossible.MeetsSpec());

    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.Messages()[1].icon, MessageIcon::Stop);
}

TEST(FirDesignTest, BandNarrowerThanTheGridIsDesignedOnTheContinuousBands) {
    FakeUserInterface ui;
    // The passband is a twentieth of the grid step 0.5 / (16 r): the grid holds one point of
    // it, and the grid exchange's taps peak well above their levelled error between points.
    CFirData narrow;
    narrow.SetSpecification(ResponseType::Filter, 61, 16);
    narrow.AddBand(0.0, 0.2, 0.0, 40.0, false, true, false);
    narrow.AddBand(0.25, 0.25005, 1.0, 1.0, false, true, false);
    narrow.AddBand(0.3, 0.5, 0.0, 40.0, false, true, false);
    EXPECT_TRUE(DesignShowing(narrow));
    EXPECT_TRUE(narrow.EngineConverged());
    EXPECT_EQ(narrow.LastEngine().engine, DesignEngine::Robust);
    EXPECT_LT(narrow.LastEngine().spread, kLevelSpread);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(FirDesignTest, BandsAreMeasuredOnTheirPowerAcrossTheBand) {
    // The averager [0.5, 0.5] has |H|^2 = cos^2(pi f): from 1 down to cos^2(0.1 pi) across
    // 0 to 0.1, and at most cos^2(0.4 pi) across 0.4 to 0.5.
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 2, 16);
    filter.AddBand(0.0, 0.1, 1.0, 1.0, false, true, false);
    filter.AddBand(0.4, 0.5, 0.0, 20.0, false, true, false);
    EXPECT_EQ(filter.GetDesignMargin(), -120.0);
    EXPECT_FALSE(filter.MeetsSpec());

    for (std::int32_t i = 0; i < 2; ++i) {
        filter.Inphase().Add(0.5);
        filter.Quadrature().Add(0.0);
    }
    const double ripple = -20.0 * std::log10(std::cos(0.1 * 3.141592653589793));
    const double attenuation = -20.0 * std::log10(std::cos(0.4 * 3.141592653589793));
    EXPECT_NEAR(filter.GetBandActualDb(0), ripple, 1e-12);
    EXPECT_NEAR(filter.GetBandActualDb(1), attenuation, 1e-12);
    EXPECT_NEAR(filter.GetBandMargin(0), 1.0 - ripple, 1e-9);
    EXPECT_NEAR(filter.GetDesignMargin(), attenuation - 20.0, 1e-9);
    EXPECT_FALSE(filter.MeetsSpec());

    // A linear ripple weight below 1 allows no ripple that has a dB value: the band fails,
    // and the design margin says so too instead of showing the other band's margin.
    CFirData unmeasurable;
    unmeasurable.SetSpecification(ResponseType::Filter, 2, 16);
    unmeasurable.AddBand(0.0, 0.1, 1.0, 0.5, false, false, false);
    unmeasurable.AddBand(0.4, 0.5, 0.0, 5.0, false, true, false);
    unmeasurable.Inphase().Add(0.5);
    unmeasurable.Inphase().Add(0.5);
    unmeasurable.Quadrature().Add(0.0);
    unmeasurable.Quadrature().Add(0.0);
    EXPECT_GE(unmeasurable.GetBandMargin(1), 0.0);
    EXPECT_FALSE(unmeasurable.MeetsSpec());
    EXPECT_FALSE(unmeasurable.GetDesignMargin() >= 0.0);
}

struct OptimizeCase {
    const char* name;
    std::function<CFirData()> build;
};

class OptimizeTest : public testing::TestWithParam<OptimizeCase> {};

TEST_P(OptimizeTest, EndsOnTheShortestLengthThatPasses) {
    FakeUserInterface ui;
    ui.AllowUnscriptedMessages();
    CFirData filter = GetParam().build();
    ASSERT_TRUE(OptimizeAsking(filter, CFirData::kOptimizeMaxTaps));
    const std::int32_t taps = filter.GetNumTaps();
    EXPECT_EQ(filter.Inphase().GetNumPoints(), taps);
    EXPECT_TRUE(filter.MeetsSpec());
    const OptimizeOutcome outcome = DescribeOptimizeOutcome(filter.GetDesignMargin(), taps);
    ASSERT_EQ(ui.MessageTexts(), std::vector<std::string>{outcome.text});
    EXPECT_EQ(ui.StatusTexts().back(), outcome.text);
    EXPECT_EQ(ui.StatusTexts().front().rfind("NTaps = ", 0), 0u);

    // Only odd lengths exist with a passband at Fs/2.
    const std::int32_t shorter = taps - (filter.PassbandAtNyquist() ? 2 : 1);
    EXPECT_FALSE(filter.DesignWithTaps(shorter)) << shorter << " taps pass as well";
}

CFirData ThreeBandBandpass() {
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 0, 16);
    filter.AddBand(0.0, 0.1, 0.0, 40.0, false, true, false);
    filter.AddBand(0.15, 0.25, 1.0, 0.5, false, true, false);
    filter.AddBand(0.3, 0.5, 0.0, 40.0, false, true, false);
    return filter;
}

INSTANTIATE_TEST_SUITE_P(
    Specifications, OptimizeTest,
    testing::Values(OptimizeCase{"Lowpass", [] { return Lowpass(); }},
                    OptimizeCase{"Highpass", [] { return Highpass(); }},
                    OptimizeCase{"SharpLowpass", [] { return TwoBand(true, 0.01, 0.5, 80.0); }},
                    OptimizeCase{"BandpassWithoutEstimate", ThreeBandBandpass}),
    [](const testing::TestParamInfo<OptimizeCase>& info) { return info.param.name; });

TEST(FirDesignTest, OptimizeThatDoesNotStartDesignsNothing) {
    FakeUserInterface ui;
    // Estimated at 600 taps: the cap offered is 600 x 1.25.
    CFirData filter = TwoBand(true, 0.003542, 0.1, 40.0);
    ASSERT_EQ(filter.EstimateTaps(), 600);
    ui.ExpectMessage(
        "This filter is estimated to take up to 750 taps.\n"
        "Optimize using a maximum of 750 taps?",
        MessageResult::No);
    EXPECT_FALSE(OptimizeAsking(filter, CFirData::kOptimizeMaxTaps));
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Question);
    EXPECT_EQ(filter.GetNumPoints(), 0);

    // The question shows the real estimate; a cap past the largest filter then meets the
    // same limit as a typed length.
    CFirData sharp = TwoBand(true, 0.0001, 0.001, 120.0);
    ui.ExpectMessage(
        "This filter is estimated to take up to 76718 taps.\n"
        "Optimize using a maximum of 76718 taps?",
        MessageResult::Yes);
    ui.ExpectMessage(CFirData::TooManyTapsQuestion(), MessageResult::No);
    EXPECT_FALSE(OptimizeAsking(sharp, CFirData::kOptimizeMaxTaps));
    EXPECT_EQ(sharp.GetNumPoints(), 0);

    // A specification that cannot be designed returns without a word.
    CFirData oneBand;
    oneBand.SetSpecification(ResponseType::Filter, 0, 16);
    oneBand.AddBand(0.0, 0.2, 1.0, 1.0, false, true, false);
    EXPECT_FALSE(OptimizeAsking(oneBand, CFirData::kOptimizeMaxTaps));
    EXPECT_EQ(ui.Messages().size(), 3u);
    EXPECT_TRUE(ui.StatusTexts().empty());
}

TEST(FirDesignTest, OptimizeThatPassesAtThreeTapsStopsThere) {
    FakeUserInterface ui;
    // No estimate (the first band starts above 0.001): the search starts at 9 taps and
    // halves to 5 and then 3, which still passes.
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 0, 16);
    filter.AddBand(0.002, 0.02, 1.0, 6.0, false, true, false);
    filter.AddBand(0.45, 0.5, 0.0, 6.0, false, true, false);
    ui.AllowUnscriptedMessages();
    EXPECT_TRUE(OptimizeAsking(filter, CFirData::kOptimizeMaxTaps));
    EXPECT_EQ(filter.GetNumTaps(), 3);
    EXPECT_EQ(filter.Inphase().GetNumPoints(), 3);
    EXPECT_TRUE(filter.MeetsSpec());
    // The search ends like any other: with its outcome in a box and on the status line.
    const OptimizeOutcome outcome = DescribeOptimizeOutcome(filter.GetDesignMargin(), 3);
    EXPECT_EQ(outcome.text.rfind("Optimization succeeded using 3 taps.\nDesign margin is ", 0),
              0u);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{outcome.text});
    EXPECT_EQ(ui.StatusTexts().back(), outcome.text);
}

// The smallest and largest |H|^2 of the taps across a band, found independently of the
// measurement: a grid of 64 points per 1/N cycles, then a golden-section search around every
// grid extremum.
struct TrueLevels {
    double smallest;
    double largest;
};

TrueLevels MeasureDensely(const CFirData& filter, double lower, double upper) {
    const ResponseEvaluator response = filter.GetResponseEvaluator(ChannelSelection::Inphase);
    const auto power = [&response](double f) {
        return response.Evaluate(f, ResponseQuantity::Power);
    };
    const auto refine = [&power](double a, double b, double sign) {
        for (int k = 0; k < 60; ++k) {
            const double c = a + 0.382 * (b - a);
            const double d = b - 0.382 * (b - a);
            if (sign * power(c) > sign * power(d)) {
                b = d;
            } else {
                a = c;
            }
        }
        return power(0.5 * (a + b));
    };
    const int points = static_cast<int>(64.0 * (upper - lower) * filter.GetNumTaps()) + 2;
    const double step = (upper - lower) / points;
    TrueLevels levels{std::min(power(lower), power(upper)), std::max(power(lower), power(upper))};
    for (int i = 1; i < points; ++i) {
        const double f = lower + step * i;
        const double here = power(f);
        const double before = power(f - step);
        const double after = power(f + step);
        if (here >= before && here >= after) {
            levels.largest = std::max(levels.largest, refine(f - step, f + step, 1.0));
        }
        if (here <= before && here <= after) {
            levels.smallest = std::min(levels.smallest, refine(f - step, f + step, -1.0));
        }
    }
    return levels;
}

// Whether the lowpass 0-0.1 / 0.11-0.5 with 0.1 dB and 80 dB truly passes.
bool TrulyPasses(const CFirData& filter) {
    const TrueLevels pass = MeasureDensely(filter, 0.0, 0.1);
    const TrueLevels stop = MeasureDensely(filter, 0.11, 0.5);
    return 10.0 * std::log10(pass.largest / pass.smallest) <= 0.1 &&
           -10.0 * std::log10(stop.largest) >= 80.0;
}

TEST(FirDesignTest, VerdictHoldsBetweenTheGridPointsOfALongDesign) {
    FakeUserInterface ui;
    ui.AllowUnscriptedMessages();
    // A lowpass to 0.1 within 0.1 dB, 80 dB down from 0.11: at 337 taps its stopband peaks
    // fall between any 33 points of the band, and the truth is a fail.
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 0, 16);
    filter.AddBand(0.0, 0.1, 1.0, 0.1, false, true, false);
    filter.AddBand(0.11, 0.5, 0.0, 80.0, false, true, false);
    // The grid exchange's taps at 337: its grid holds the error level, but between the grid
    // points the stopband rises above it.
    filter.SetNumTaps(337);
    ASSERT_EQ(
        RemezDesign(ResponseType::Filter, 337, 16, 2, filter.BandEdges(), filter.DesiredGains(),
                    filter.BandWeights(), filter.DesignTaps(), StatusLineProgress("")),
        1);
    filter.StoreDesign();
    const double trueAttenuation = -10.0 * std::log10(MeasureDensely(filter, 0.11, 0.5).largest);
    EXPECT_NEAR(trueAttenuation, 79.62, 0.01);
    EXPECT_NEAR(filter.GetBandActualDb(1), trueAttenuation, 1e-5);
    EXPECT_FALSE(filter.MeetsSpec());
    const CFirData::BandMeasurement stop = filter.MeasureBand(1);
    EXPECT_NEAR(10.0 * std::log10(filter.GetResponse(ChannelSelection::Inphase, false,
                                                     stop.worstFrequency, true)),
                -stop.actualDb, 1e-9);

    // The optimisation ends on a length that truly passes, one tap longer than one that
    // truly fails.
    ASSERT_TRUE(OptimizeAsking(filter, CFirData::kOptimizeMaxTaps));
    const std::int32_t taps = filter.GetNumTaps();
    EXPECT_TRUE(filter.MeetsSpec());
    EXPECT_TRUE(TrulyPasses(filter)) << taps;
    EXPECT_FALSE(filter.DesignWithTaps(taps - 1));
    EXPECT_FALSE(TrulyPasses(filter)) << taps - 1;
}

TEST(FirDesignTest, DifferentiatorPassbandIsJudgedAgainstItsSlope) {
    FakeUserInterface ui;
    ui.AllowUnscriptedMessages();
    // 1 to 8 kHz at 48 kHz, desired slope 1, 0.5 dB allowed, 40 dB down from 10 kHz.
    CFirData filter;
    filter.SetSpecification(ResponseType::Differentiator, 41, 16);
    filter.AddBand(1.0 / 48, 8.0 / 48, 1.0, 0.5, false, true, false);
    filter.AddBand(10.0 / 48, 0.5, 0.0, 40.0, false, true, false);
    filter.DesignWithTaps(41);
    // |H| itself spreads over the ratio of the edges (18 dB); relative to the slope it is
    // nearly flat, and its levels sit around 0 dB.
    const CFirData::BandLevels levels = filter.GetBandLevels(0);
    EXPECT_LT(filter.GetBandActualDb(0), 0.5);
    EXPECT_NEAR(10.0 * std::log10(levels.maxPower), 0.0, 0.5);
    EXPECT_NEAR(10.0 * std::log10(levels.minPower), 0.0, 0.5);
    EXPECT_TRUE(filter.MeetsSpec());
}

struct OutcomeCase {
    double margin;
    std::int32_t taps;
    const char* text;
    MessageIcon icon;
};

class OptimizeOutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(OptimizeOutcomeTest, TextAndIconFollowTheMarginAndLength) {
    const OptimizeOutcome outcome = DescribeOptimizeOutcome(GetParam().margin, GetParam().taps);
    EXPECT_EQ(outcome.text, GetParam().text);
    EXPECT_EQ(outcome.icon, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    Margins, OptimizeOutcomeTest,
    testing::Values(
        OutcomeCase{1.0, 47, "Optimization succeeded using 47 taps.\nDesign margin is 1.000 dB.",
                    MessageIcon::Information},
        OutcomeCase{1.0004, 11,
                    "Optimization converged, but design may not be optimum.\n"
                    "Design margin is 1.000 dB.",
                    MessageIcon::Information},
        OutcomeCase{2.5, 10, "Optimization succeeded using 10 taps.\nDesign margin is 2.500 dB.",
                    MessageIcon::Information},
        OutcomeCase{0.0, 5, "Optimization succeeded using 5 taps.\nDesign margin is 0.000 dB.",
                    MessageIcon::Information},
        OutcomeCase{-0.001, 47, "Optimization failed to converge.", MessageIcon::Stop},
        OutcomeCase{std::nan(""), 47, "Optimization failed to converge.", MessageIcon::Stop}));

// The filter only returns what the user is to be told: the fake fails on any message.
TEST(FirDesignTest, DesignReturnsItsMessagesWithoutShowingThem) {
    FakeUserInterface ui;
    CFirData oneBand;
    oneBand.SetSpecification(ResponseType::Filter, 21, 16);
    oneBand.AddBand(0.0, 0.2, 1.0, 1.0, false, true, false);
    const DesignOutcome refused = oneBand.Design("");
    EXPECT_FALSE(refused.converged);
    ASSERT_TRUE(refused.message.has_value());
    EXPECT_EQ(refused.message->text, oneBand.CheckSpecification());
    EXPECT_EQ(refused.message->icon, MessageIcon::Stop);
    EXPECT_EQ(oneBand.GetNumPoints(), 0);
    // No estimate either: the length stays, and the reason is the caller's to show.
    EXPECT_EQ(oneBand.EstimateTaps(), 21);
    EXPECT_TRUE(oneBand.CannotEstimateReason().has_value());

    CFirData filter = Lowpass(47);
    const DesignOutcome designed = filter.Design("");
    EXPECT_TRUE(designed.converged);
    EXPECT_FALSE(designed.message.has_value());
    EXPECT_EQ(filter.GetNumPoints(), 47);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(FirDesignTest, CheckSpecificationRefusesAnEvenLengthAtNyquistThatValidateRaises) {
    CFirData filter = Highpass(40);
    const auto refusal = filter.CheckSpecification();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find("EVEN Number of Taps"), std::string::npos);
    EXPECT_EQ(filter.GetNumTaps(), 40);
    EXPECT_TRUE(filter.Validate());
    EXPECT_EQ(filter.GetNumTaps(), 41);
    EXPECT_FALSE(filter.CheckSpecification().has_value());
}

TEST(FirDesignTest, OptimizeAsksThroughItsCallerAndReturnsItsOutcome) {
    FakeUserInterface ui;
    // Estimated at 600 taps: the larger cap is the caller's question to answer.
    CFirData declined = TwoBand(true, 0.003542, 0.1, 40.0);
    std::vector<std::string> questions;
    const auto decline = [&questions](const std::string& question) {
        questions.push_back(question);
        return false;
    };
    EXPECT_FALSE(declined.Optimize(CFirData::kOptimizeMaxTaps, decline).has_value());
    EXPECT_EQ(questions, std::vector<std::string>{"This filter is estimated to take up to 750 "
                                                  "taps.\nOptimize using a maximum of 750 taps?"});
    EXPECT_EQ(declined.GetNumPoints(), 0);

    CFirData filter = Lowpass();
    const auto outcome = filter.Optimize(CFirData::kOptimizeMaxTaps, decline);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->text,
              DescribeOptimizeOutcome(filter.GetDesignMargin(), filter.GetNumTaps()).text);
    EXPECT_TRUE(filter.MeetsSpec());
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace tapwright
