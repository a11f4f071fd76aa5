#include "plot/AutoscaleGrid.h"
#include "math/ResponseEvaluator.h"
#include "plot/PhaseTrace.h"

#include <gtest/gtest.h>

#include <vector>

namespace tapwright {
namespace {

// The wrapped phase trace of a filter on a grid of frequencies in the unit of fs.
std::vector<double> PhaseTrace(const std::vector<double>& taps, const std::vector<double>& f,
                               double fs) {
    std::vector<double> nu;
    for (const double x : f) {
        nu.push_back(x / fs);
    }
    std::vector<double> phase(f.size());
    ResponseEvaluator(taps, {}, ChannelSelection::Inphase)
        .Evaluate(nu, ResponseQuantity::Phase, phase);
    return phase;
}

TEST(UnwrapPhaseTest, JumpsAreJudgedOnTheWrappedValues) {
    std::vector<double> phase{170.0, -170.0, 170.0, -170.0, -100.0};
    UnwrapPhase(phase);
    EXPECT_EQ(phase, (std::vector<double>{170.0, 190.0, 170.0, 190.0, 260.0}));

    std::vector<double> falling{-170.0, 170.0, 100.0, 20.0, -60.0};
    UnwrapPhase(falling);
    EXPECT_EQ(falling, (std::vector<double>{-170.0, -190.0, -260.0, -340.0, -420.0}));
}

TEST(PhaseDelayTest, PureDelayShowsItsDelayAtEveryPointIncludingZeroFrequency) {
    const double fs = 2.0;
    const std::vector<double> f = AutoscaleGrid(-fs / 2, fs / 2);
    std::vector<double> trace = PhaseTrace({0.0, 0.0, 0.0, 0.0, 0.0, 1.0}, f, fs);
    UnwrapPhase(trace);
    // The wrap at -fs/2 leaves the unwrapped phase offset by whole turns: re-anchor at 0 Hz.
    const double zeroPhase = trace[f.size() / 2];
    for (double& value : trace) {
        value -= zeroPhase;
    }
    PhaseToPhaseDelay(f, trace);
    for (std::size_t i = 0; i < f.size(); ++i) {
        EXPECT_NEAR(trace[i], 5.0 / fs, 1e-9) << f[i];
    }
}

TEST(PhaseDelayTest, ZeroFrequencyTakesTheNextPointOrElseThePreviousOne) {
    std::vector<double> first{123.0, -45.0, -180.0};
    PhaseToPhaseDelay(std::vector<double>{0.0, 0.125, 0.25}, first);
    EXPECT_EQ(first[0], first[1]);
    EXPECT_NEAR(first[1], 1.0, 1e-15);
    EXPECT_NEAR(first[2], 2.0, 1e-15);

    std::vector<double> last{45.0, 99.0};
    PhaseToPhaseDelay(std::vector<double>{-0.125, 0.0}, last);
    EXPECT_NEAR(last[0], 1.0, 1e-15);
    EXPECT_EQ(last[1], last[0]);

    std::vector<double> alone{45.0};
    PhaseToPhaseDelay(std::vector<double>{0.0}, alone);
    EXPECT_EQ(alone, (std::vector<double>{0.0}));
}

TEST(GroupDelayTest, AveragerHasHalfASampleOfDelayAtAQuarterOfTheSamplingRate) {
    const double fs = 1000.0;
    const std::vector<double> f{0.0, 100.0, 200.0, 250.0, 300.0};
    std::vector<double> trace = PhaseTrace({0.5, 0.5}, f, fs);
    EXPECT_NEAR(trace[3], -45.0, 1e-12);
    UnwrapPhase(trace);
    PhaseToGroupDelay(f, trace);
    for (const double delay : trace) {
        EXPECT_NEAR(delay, 0.5 / fs, 1e-15);
    }
}

TEST(GroupDelayTest, ZeroFrequencyInsideTheTraceContinuesTheDelay) {
    const double fs = 4.0;
    const std::vector<double> f{-1.5, -1.0, -0.5, 0.0, 0.5, 1.0, 1.5};
    std::vector<double> trace = PhaseTrace({0.0, 0.0, 1.0}, f, fs);
    UnwrapPhase(trace);
    PhaseToGroupDelay(f, trace);
    for (const double delay : trace) {
        EXPECT_NEAR(delay, 2.0 / fs, 1e-12);
    }
}

TEST(GroupDelayTest, NegativeOrUndefinedQuotientsHoldTheLastDelayShown) {
    const std::vector<double> f{0.0, 1.0, 2.0, 3.0, 3.0, 4.0, 5.0};
    // A delay d over 1 Hz is a fall of 360 d degrees. Point by point the quotients are
    // -1, 0.5, 1, undefined (same frequency), -2 and 0.25.
    std::vector<double> phase{0.0, 360.0, 180.0, -180.0, -500.0, 220.0, 130.0};
    PhaseToGroupDelay(f, phase);
    EXPECT_EQ(phase, (std::vector<double>{0.5, 0.5, 0.5, 1.0, 1.0, 1.0, 0.25}));
}

TEST(GroupDelayTest, TracesWithoutADelayToShowAreZero) {
    std::vector<double> single{-90.0};
    PhaseToGroupDelay(std::vector<double>{0.1}, single);
    EXPECT_EQ(single, (std::vector<double>{0.0}));

    std::vector<double> rising{0.0, 10.0, 20.0};
    PhaseToGroupDelay(std::vector<double>{0.1, 0.2, 0.3}, rising);
    EXPECT_EQ(rising, (std::vector<double>{0.0, 0.0, 0.0}));
}

TEST(PhaseTraceTest, ShorterFrequencyArrayLimitsThePointsTouched) {
    std::vector<double> phase{-45.0, -90.0, -135.0};
    PhaseToPhaseDelay(std::vector<double>{0.125, 0.25}, phase);
    EXPECT_NEAR(phase[1], 1.0, 1e-15);
    EXPECT_EQ(phase[2], -135.0);
    const double second = phase[1];
    PhaseToGroupDelay(std::vector<double>{0.125}, phase);
    EXPECT_EQ(phase[0], 0.0);
    EXPECT_EQ(phase[1], second);
}

}  // namespace
}  // namespace tapwright
