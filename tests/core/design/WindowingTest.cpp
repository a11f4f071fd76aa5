#include "math/Windowing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/design/SignalBuilders.h"
#include "design/LumenData.h"
#include "math/Constants.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::ExpectSamplesNear;
using test::Samples;
using test::SetChannels;

TEST(BesselI0Test, MatchesTabulatedValues) {
    EXPECT_EQ(BesselI0(0.0), 1.0);
    EXPECT_NEAR(BesselI0(1.0), 1.2660658777520084, 1e-15);
    EXPECT_NEAR(BesselI0(-5.0) / 27.239871823604442, 1.0, 1e-14);
    EXPECT_NEAR(BesselI0(10.0) / 2815.716628466254, 1.0, 1e-14);
}

TEST(BesselI0Test, LargestAlphaStaysFiniteAndHugeArgumentsEndTheSeries) {
    EXPECT_TRUE(std::isfinite(BesselI0(kMaxKaiserAlpha * kPi)));
    EXPECT_TRUE(std::isinf(BesselI0(1e6)));
    EXPECT_TRUE(std::isnan(BesselI0(std::nan(""))));
}

struct WeightCase {
    WindowType type;
    double alpha;
    std::int64_t length;
    std::int64_t index;
    double weight;
};

class DataWindowWeightTest : public testing::TestWithParam<WeightCase> {};

TEST_P(DataWindowWeightTest, WeightOfAPointFollowsThePeriodicFormula) {
    const WeightCase& c = GetParam();
    EXPECT_NEAR(DataWindow(c.type, c.alpha, c.length).At(c.index), c.weight, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, DataWindowWeightTest,
    testing::Values(WeightCase{WindowType::Hanning, 0.0, 8, 0, 0.0},
                    WeightCase{WindowType::Hanning, 0.0, 8, 4, 1.0},
                    WeightCase{WindowType::Hanning, 0.0, 8, 2, 0.5},
                    WeightCase{WindowType::BlackmanHarris, 0.0, 16, 0, 0.00006},
                    WeightCase{WindowType::BlackmanHarris, 0.0, 16, 8, 1.0},
                    WeightCase{WindowType::Hamming, 0.0, 10, 0, 0.08},
                    WeightCase{WindowType::Hamming, 0.0, 10, 5, 1.0},
                    WeightCase{WindowType::Gaussian, 0.0, 8, 0, std::exp(-6.125)},
                    WeightCase{WindowType::Gaussian, 0.0, 8, 4, 1.0},
                    WeightCase{WindowType::KaiserBessel, 0.0, 9, 0, 1.0},
                    WeightCase{WindowType::KaiserBessel, 0.0, 9, 6, 1.0},
                    WeightCase{WindowType::KaiserBessel, 3.0, 8, 4, 1.0},
                    WeightCase{WindowType::KaiserBessel, 3.0, 8, 0, 1.0 / BesselI0(3.0 * kPi)},
                    // A single point has no half-length: it keeps its value.
                    WeightCase{WindowType::KaiserBessel, 3.0, 1, 0, 1.0},
                    WeightCase{static_cast<WindowType>(7), 0.0, 4, 1, 1.0}));

TEST(DataWindowTest, KaiserBesselIsPeriodicAroundTheIntegerHalf) {
    const DataWindow kaiser(WindowType::KaiserBessel, 4.0, 8);
    EXPECT_NEAR(kaiser.At(1), kaiser.At(7), 1e-15);
    EXPECT_GT(kaiser.At(7), kaiser.At(0));
}

TEST(LumenDataWindowTest, OnlyTheVisibleRangeIsWindowed) {
    CLumenData data;
    SetChannels(data, std::vector<double>(12, 2.0), std::vector<double>(12, 0.0), true);
    ASSERT_TRUE(data.SetRange(2, 9, true, true));
    ASSERT_TRUE(data.Window(WindowType::Hanning, 0.0, true, false));

    const std::vector<double> inphase = Samples(data.Inphase());
    EXPECT_EQ(inphase[0], 2.0);
    EXPECT_EQ(inphase[1], 2.0);
    EXPECT_EQ(inphase[2], 0.0);  // w(0) of the 8-point window
    EXPECT_EQ(inphase[6], 2.0);  // w(4)
    EXPECT_NEAR(inphase[9], inphase[3], 1e-15);
    EXPECT_EQ(inphase[10], 2.0);
    EXPECT_EQ(inphase[11], 2.0);
    EXPECT_EQ(data.GetWindowType(), static_cast<std::int32_t>(WindowType::Hanning));
}

TEST(LumenDataWindowTest, RealDataKeepsItsQuadratureChannelComplexDataDoesNot) {
    CLumenData data;
    SetChannels(data, {1.0, 1.0, 1.0, 1.0}, {3.0, 3.0, 3.0, 3.0}, true);
    data.Window(WindowType::Hanning, 0.0, true, true);
    ExpectSamplesNear(data.Inphase(), {0.0, 0.5, 1.0, 0.5});
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{3.0, 3.0, 3.0, 3.0}));

    data.SetReal(false);
    data.Window(WindowType::Hanning, 0.0, false, true);
    ExpectSamplesNear(data.Inphase(), {0.0, 0.5, 1.0, 0.5});
    ExpectSamplesNear(data.Quadrature(), {0.0, 1.5, 3.0, 1.5});
}

TEST(LumenDataWindowTest, TwoSidedSpectrumIsCentredOnZeroFrequency) {
    CLumenData data;
    data.SetTimeData(false);
    SetChannels(data, std::vector<double>(8, 1.0), std::vector<double>(8, 1.0), false);
    ASSERT_EQ(data.GetRangeFirst(), -4);
    data.Window(WindowType::Hanning, 0.0, true, false);
    // Range index -4 (stored at 4) is the first point of the window, index 0 its centre.
    EXPECT_EQ(data.Inphase().GetAt(4), 0.0);
    EXPECT_EQ(data.Inphase().GetAt(0), 1.0);
}

TEST(LumenDataWindowTest, RangeLongerThanTheChannelsTouchesOnlyExistingSamples) {
    CLumenData data;
    SetChannels(data, std::vector<double>(8, 1.0), {}, true);
    data.Inphase().RemoveAll();
    for (int i = 0; i < 3; ++i) {
        data.Inphase().Add(1.0);
    }
    data.Quadrature().Add(0.0);
    data.Window(WindowType::Hanning, 0.0, true, false);  // the 8-point window of the range
    ExpectSamplesNear(data.Inphase(), {0.0, 1.0 - (std::cos(kPi / 4) + 1) * 0.5, 0.5});
}

TEST(LumenDataWindowTest, UnusableKaiserAlphaIsRefusedAndNothingChanges) {
    test::FakeUserInterface ui;
    CLumenData data;
    SetChannels(data, {1.0, 1.0, 1.0, 1.0}, {0.0, 0.0, 0.0, 0.0}, true);
    for (const double alpha : {kMaxKaiserAlpha + 1.0, std::nan("")}) {
        ui.ExpectMessage(kKaiserAlphaMessage);
        EXPECT_FALSE(data.Window(WindowType::KaiserBessel, alpha, true, false));
    }
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{1.0, 1.0, 1.0, 1.0}));
    EXPECT_EQ(data.GetWindowType(), kNoWindow);
    EXPECT_TRUE(data.Window(WindowType::KaiserBessel, -kMaxKaiserAlpha, true, false));
}

}  // namespace
}  // namespace tapwright
