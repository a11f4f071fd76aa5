#include "design/DesignProgress.h"
#include "math/EngineChoice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/FirData.h"
#include "math/ApproximationProblem.h"
#include "math/EquirippleCertificate.h"
#include "math/RemezDesign.h"
#include "support/DesignFlow.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;

constexpr double kPi = 3.141592653589793;

struct Lowpass {
    int numTaps;
    std::vector<double> edges;
    std::vector<double> desired{1.0, 0.0};
    std::vector<double> weights;

    EngineOutcome Design(std::vector<double>& taps, const std::string& prefix = "") const {
        taps.assign(static_cast<std::size_t>(numTaps), 0.0);
        return DesignEquiripple(ResponseType::Filter, numTaps, 16, 2, edges, desired, weights, taps,
                                StatusLineProgress(prefix));
    }
    double PeakError(const std::vector<double>& taps) const {
        return CertifyEquiripple(taps, MakeApproximationProblem(ResponseType::Filter, numTaps, 16,
                                                                2, edges, desired, weights))
            .peakError;
    }
};

// The status texts are the iteration texts of one or more exchanges, each counting from 1.
void ExpectIterationTexts(const std::vector<std::string>& texts, const std::string& prefix) {
    ASSERT_FALSE(texts.empty());
    int expected = 1;
    for (const std::string& text : texts) {
        if (text == prefix + "Doing design iteration number 1.") {
            expected = 1;
        }
        EXPECT_EQ(text, prefix + "Doing design iteration number " + std::to_string(expected) + ".");
        ++expected;
    }
}

TEST(EngineChoiceTest, LevelGridDesignKeepsTheGridExchangesTaps) {
    FakeUserInterface ui;
    const Lowpass spec{47, {0.0, 0.1, 0.15, 0.5}, {1.0, 0.0}, {173.72, 100.0}};
    std::vector<double> taps;
    const EngineOutcome outcome = spec.Design(taps);
    EXPECT_EQ(outcome.engine, DesignEngine::Classic);
    EXPECT_TRUE(outcome.level);
    EXPECT_LT(outcome.spread, kLevelSpread);
    ExpectIterationTexts(ui.StatusTexts(), "");
    std::vector<double> classic(47);
    ASSERT_EQ(RemezDesign(ResponseType::Filter, 47, 16, 2, spec.edges, spec.desired, spec.weights,
                          classic, StatusLineProgress("")),
              1);
    EXPECT_EQ(taps, classic);
}

TEST(EngineChoiceTest, GridDesignWhoseTrueErrorIsNotLevelIsImproved) {
    FakeUserInterface ui;
    // The grid misses the first stopband peak by 3.6%: the continuous exchange takes over.
    const Lowpass spec{101, {0.0, 0.2, 0.25, 0.5}, {1.0, 0.0}, {1.0, 1.0}};
    std::vector<double> taps;
    const EngineOutcome outcome = spec.Design(taps, "NTaps = 101, ");
    EXPECT_EQ(outcome.engine, DesignEngine::Robust);
    EXPECT_TRUE(outcome.level);
    EXPECT_LT(outcome.spread, 1e-3);
    ExpectIterationTexts(ui.StatusTexts(), "NTaps = 101, ");
    std::vector<double> classic(101);
    RemezDesign(ResponseType::Filter, 101, 16, 2, spec.edges, spec.desired, spec.weights, classic,
                StatusLineProgress(""));
    EXPECT_LT(spec.PeakError(taps), 0.98 * spec.PeakError(classic));
}

TEST(EngineChoiceTest, EitherEngineRunsWithoutAProgressCallback) {
    // The 101-tap design needs both engines; batch callers pass no callback at all.
    const Lowpass spec{101, {0.0, 0.2, 0.25, 0.5}, {1.0, 0.0}, {1.0, 1.0}};
    std::vector<double> taps(101, 0.0);
    const EngineOutcome outcome =
        DesignEquiripple(ResponseType::Filter, spec.numTaps, 16, 2, spec.edges, spec.desired,
                         spec.weights, taps, {});
    EXPECT_EQ(outcome.engine, DesignEngine::Robust);
    EXPECT_TRUE(outcome.level);
}

// Deep designs on which the grid exchange fails with a reference whose deviation is lost in
// rounding: starting from it, the continuous exchange could not level either, and the user got
// 107 dB for a 142 dB optimum, or 72 dB for a 156 dB one. It starts again from the scaled
// references of shorter problems.
TEST(EngineChoiceTest, AFailedGridDesignDoesNotKeepTheContinuousExchangeFromTheOptimum) {
    FakeUserInterface ui;
    const Lowpass lowpass{451, {0.0, 0.1, 0.12, 0.5}, {1.0, 0.0}, {1.0, 1.0}};
    std::vector<double> taps;
    EngineOutcome outcome = lowpass.Design(taps);
    EXPECT_EQ(outcome.engine, DesignEngine::Robust);
    EXPECT_TRUE(outcome.level);
    EXPECT_LT(lowpass.PeakError(taps), 1e-7);  // the optimum is 7.6e-8

    const std::vector<double> edges{0.0, 0.1, 0.12, 0.3, 0.32, 0.5};
    const std::vector<double> desired{1.0, 0.0, 1.0};
    const std::vector<double> weights{1.0, 1.0, 1.0};
    taps.assign(501, 0.0);
    outcome = DesignEquiripple(ResponseType::Filter, 501, 16, 3, edges, desired, weights, taps,
                               StatusLineProgress(""));
    EXPECT_TRUE(outcome.level);
    const EquirippleCertificate bandstop = CertifyEquiripple(
        taps, MakeApproximationProblem(ResponseType::Filter, 501, 16, 3, edges, desired, weights));
    EXPECT_LT(bandstop.peakError, 2e-8);  // the optimum is 1.6e-8
}

// An optimum of about 184 dB is below what P, evaluated between the bands in double
// precision, resolves: the extrema hide in rounding and the error no longer alternates on the
// grid. The exchange then takes coarse steps from the barycentric form instead of giving up
// with the 67 dB it had.
TEST(EngineChoiceTest, AnOptimumHiddenInRoundingIsStillApproached) {
    FakeUserInterface ui;
    const Lowpass spec{601, {0.0, 0.1, 0.12, 0.5}, {1.0, 0.0}, {1.0, 1.0}};
    std::vector<double> taps;
    spec.Design(taps);
    EXPECT_LT(spec.PeakError(taps), 1e-8);
}

// Far more taps than the bands need: the optimum lies deep below what double precision
// resolves, and both exchanges fail at this length. Instead of their taps (a peak error of 140%,
// worse than no filter) the user gets the longest design that converges, padded with zeros,
// whose error is at the floor of double precision, and the design still reports that it did
// not converge.
TEST(EngineChoiceTest, AnUnreachableOptimumGivesTheLongestDesignThatConverges) {
    FakeUserInterface ui;
    const Lowpass spec{1001, {0.0, 0.2, 0.25, 0.5}, {1.0, 0.0}, {1.0, 1.0}};
    std::vector<double> taps;
    const EngineOutcome outcome = spec.Design(taps);
    EXPECT_FALSE(outcome.level);
    EXPECT_LT(spec.PeakError(taps), 1e-8);
    // Zeros at both ends keep the taps symmetric about the same centre.
    EXPECT_EQ(taps.front(), 0.0);
    EXPECT_EQ(taps.back(), 0.0);
}

// A Hilbert transformer whose band leaves a gap below it: between 0 and the band P may grow
// so large that no length of the scaling converges. Shorter lengths are then tried until one
// does; the exchanges' own taps had a peak error of 2.5e6 at 255 taps and 5e51 at 1,023.
TEST(EngineChoiceTest, WhenNoScaledLengthConvergesAShorterOneIsFound) {
    FakeUserInterface ui;
    const std::vector<double> edges{0.05, 0.45, 0.48, 0.5};
    const std::vector<double> desired{1.0, 0.0};
    const std::vector<double> weights{1.0, 3.0};
    std::vector<double> taps(255, 0.0);
    DesignEquiripple(ResponseType::Hilbert, 255, 16, 2, edges, desired, weights, taps,
                     StatusLineProgress(""));
    const EquirippleCertificate certificate = CertifyEquiripple(
        taps, MakeApproximationProblem(ResponseType::Hilbert, 255, 16, 2, edges, desired, weights));
    EXPECT_LT(certificate.peakError, 0.01);
}

TEST(EngineChoiceTest, LongDesignGoesStraightToTheContinuousExchange) {
    FakeUserInterface ui;
    const Lowpass spec{kLongestClassicTaps + 2, {0.0, 0.2, 0.2025, 0.5}, {1.0, 0.0}, {1.0, 1.0}};
    std::vector<double> taps;
    const EngineOutcome outcome = spec.Design(taps);
    EXPECT_EQ(outcome.engine, DesignEngine::Robust);
    EXPECT_TRUE(outcome.level);
    // One exchange only: the texts count from 1 once.
    int starts = 0;
    for (const std::string& text : ui.StatusTexts()) {
        starts += text == "Doing design iteration number 1." ? 1 : 0;
    }
    EXPECT_EQ(starts, 1);
    ExpectIterationTexts(ui.StatusTexts(), "");
}

TEST(EngineChoiceTest, UnusableArgumentsLeaveTheTapsAlone) {
    FakeUserInterface ui;
    std::vector<double> taps(2, 7.0);
    const std::vector<double> edges{0.0, 0.2, 0.3, 0.5};
    const std::vector<double> desired{1.0, 0.0};
    const std::vector<double> weights{1.0, 1.0};
    const EngineOutcome outcome = DesignEquiripple(ResponseType::Filter, 2, 16, 2, edges, desired,
                                                   weights, taps, StatusLineProgress(""));
    EXPECT_FALSE(outcome.level);
    EXPECT_EQ(taps, std::vector<double>(2, 7.0));
    EXPECT_TRUE(ui.StatusTexts().empty());
}

// The amplitude of odd-length symmetric taps, sum of cosines about the centre (Clenshaw).
double Amplitude(std::span<const double> taps, double f) {
    const std::size_t centre = taps.size() / 2;
    const double x = std::cos(2.0 * kPi * f);
    double b1 = 0.0;
    double b2 = 0.0;
    for (std::size_t k = centre; k >= 1; --k) {
        const double b = 2.0 * taps[centre - k] + 2.0 * x * b1 - b2;
        b2 = b1;
        b1 = b;
    }
    return taps[centre] + x * b1 - b2;
}

// The largest (sign +1) or smallest (sign -1) |A| over [lower, upper]: sampled at 8 points
// per tap and per cycle-per-sample (16 per ripple), each local peak then refined by golden
// section.
double Extreme(std::span<const double> taps, double lower, double upper, double sign) {
    const int steps =
        2 + static_cast<int>(8.0 * static_cast<double>(taps.size()) * (upper - lower));
    const double h = (upper - lower) / steps;
    const auto value = [&](double f) { return sign * std::fabs(Amplitude(taps, f)); };
    double best = std::max(value(lower), value(upper));
    double before = value(lower);
    double here = value(lower + h);
    for (int i = 1; i < steps; ++i) {
        const double after = value(lower + (i + 1) * h);
        if (here >= before && here >= after) {
            double a = lower + (i - 1) * h;
            double b = lower + (i + 1) * h;
            for (int step = 0; step < 24; ++step) {
                const double c = b - 0.618 * (b - a);
                const double d = a + 0.618 * (b - a);
                (value(c) > value(d) ? b : a) = value(c) > value(d) ? d : c;
            }
            best = std::max(best, value(0.5 * (a + b)));
        }
        before = here;
        here = after;
    }
    return sign * best;
}

TEST(EngineChoiceTest, SharpLowpassOf4095TapsMeetsItsSpecification) {
    FakeUserInterface ui;
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, 4095, 16);
    filter.AddBand(0.0, 0.05, 1.0, 0.1, false, true, false);
    filter.AddBand(0.052, 0.5, 0.0, 100.0, false, true, false);
    EXPECT_TRUE(DesignShowing(filter));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(filter.MeetsSpec());

    const std::span<const double> taps = filter.DesignTaps();
    const double rippleDb =
        20.0 * std::log10(Extreme(taps, 0.0, 0.05, 1.0) / Extreme(taps, 0.0, 0.05, -1.0));
    const double stopbandDb = 20.0 * std::log10(Extreme(taps, 0.052, 0.5, 1.0));
    EXPECT_LE(rippleDb, 0.1);
    EXPECT_LE(stopbandDb, -100.0);
}

}  // namespace
}  // namespace tapwright
