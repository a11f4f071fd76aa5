#include "design/FirData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "data/FreqUnits.h"
#include "math/ReferenceResponse.h"
#include "math/ResponseQuantity.h"
#include "plot/PhaseTrace.h"

namespace tapwright {
namespace {

constexpr double kFs = 8000.0;

// A filter sampled at kFs with the given taps in both channels.
CFirData Filter(const std::vector<double>& inphase, const std::vector<double>& quadrature) {
    CFirData filter;
    filter.SetFrequencyUnits(CFreqUnits(kFs, 0));
    for (const double tap : inphase) {
        filter.Inphase().Add(tap);
    }
    for (const double tap : quadrature) {
        filter.Quadrature().Add(tap);
    }
    return filter;
}

TEST(FirResponseTest, FrequenciesInTheUnitOfFsAndTheFilterFloorReachTheEvaluator) {
    const CFirData averager = Filter({0.5, 0.5}, {0.0, 0.0});
    EXPECT_NEAR(averager.GetResponse(ChannelSelection::Inphase, true, kFs / 4, false), -45.0,
                1e-12);
    EXPECT_NEAR(averager.GetResponse(ChannelSelection::Inphase, true, 0.25, true), -45.0, 1e-12);
    EXPECT_EQ(averager.GetPlotValue(ChannelSelection::Inphase, false, kFs / 2),
              averager.GetMinResponseDb());

    // The array form on a plot's frequencies, through to the group delay in seconds.
    const std::vector<double> f{0.0, 1000.0, 2000.0, 3000.0};
    std::vector<double> trace(f.size());
    averager.GetPlotValues(ChannelSelection::Inphase, true, f, trace);
    UnwrapPhase(trace);
    PhaseToGroupDelay(f, trace);
    for (const double delay : trace) {
        EXPECT_NEAR(delay, 0.5 / kFs, 1e-15);
    }
    averager.GetPlotValues(ChannelSelection::Inphase, false, f, trace);
    EXPECT_NEAR(trace[2], 10.0 * std::log10(0.5), 1e-12);

    // The complex filter 1 + j, its Quadrature channel alone, and both channels side by
    // side, which are no single response.
    const CFirData complexUnit = Filter({1.0}, {1.0});
    EXPECT_NEAR(complexUnit.GetPlotValue(ChannelSelection::ComplexFilter, false, 1000.0), 3.0103,
                1e-4);
    EXPECT_NEAR(complexUnit.GetPlotValue(ChannelSelection::ComplexFilter, true, 1000.0), 45.0,
                1e-12);
    EXPECT_NEAR(complexUnit.GetResponse(ChannelSelection::Quadrature, false, 1000.0, false), 1.0,
                1e-12);
    EXPECT_EQ(complexUnit.GetPlotValue(ChannelSelection::InphaseAndQuadrature, false, 1000.0), 0.0);

    const CFirData empty = Filter({}, {});
    EXPECT_EQ(empty.GetResponse(ChannelSelection::Inphase, true, 100.0, false), 0.0);
    EXPECT_EQ(empty.GetPlotValue(ChannelSelection::Inphase, false, 100.0),
              empty.GetMinResponseDb());
}

TEST(FirResponseTest, ChannelsLongerThanOneBlockAgreeWithTheTermByTermSum) {
    // Past the first block of a column, and with a Quadrature channel that ends early.
    constexpr std::size_t kTaps = CDataColumn::kBlockSize + 4000;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> tap(-1.0, 1.0);
    std::vector<double> inphase(kTaps);
    std::vector<double> quadrature(kTaps - 100);
    double sumAbs = 0.0;
    for (std::size_t n = 0; n < kTaps; ++n) {
        inphase[n] = tap(random);
        sumAbs += std::abs(inphase[n]);
        if (n < quadrature.size()) {
            quadrature[n] = tap(random);
            sumAbs += std::abs(quadrature[n]);
        }
    }
    const CFirData filter = Filter(inphase, quadrature);
    for (const double nu : {0.0123, 0.25, 0.4321}) {
        const std::complex<double> h =
            ReferenceResponse(inphase, quadrature, ChannelSelection::ComplexFilter, nu);
        EXPECT_NEAR(filter.GetResponse(ChannelSelection::ComplexFilter, false, nu * kFs, false),
                    std::norm(h), 2e-10 * sumAbs * std::abs(h));
        EXPECT_NEAR(filter.GetResponse(ChannelSelection::ComplexFilter, true, nu, true),
                    PhaseDegreesOf(h), 1e-6);
    }
}

}  // namespace
}  // namespace tapwright
