#include "design/CoefficientOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "core/design/SignalBuilders.h"
#include "design/LumenData.h"
#include "math/Constants.h"
#include "math/Windowing.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::ExpectSamplesNear;
using test::Samples;
using test::SetChannels;

TEST(QuantizeTest, SixteenBitsRoundToWordsOf32768) {
    CLumenData data;
    SetChannels(data, {1.0, -1.0, 0.5 / 32768, -0.5 / 32768, 0.25, -7.0}, {}, true);
    ASSERT_TRUE(data.Quantize(16, true, false));
    EXPECT_EQ(Samples(data.Inphase()),
              (std::vector<double>{32767.0 / 32768, -1.0, 1.0 / 32768, -1.0 / 32768, 0.25, -1.0}));
}

TEST(QuantizeTest, ExtremeBitCountsKeepTheirWordRange) {
    CLumenData data;
    SetChannels(data, {0.7, -0.2, -0.6}, {}, true);
    ASSERT_TRUE(data.Quantize(1, true, false));
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{0.0, 0.0, -1.0}));

    SetChannels(data, {1.0, 1.0 / 3.0}, {}, true);
    ASSERT_TRUE(data.Quantize(31, true, false));
    const double scale = 1073741824.0;  // 2^30
    EXPECT_EQ(Samples(data.Inphase()),
              (std::vector<double>{(scale - 1.0) / scale, std::round(scale / 3.0) / scale}));
}

TEST(QuantizeTest, BitCountsOutsideOneTo31AreRefusedAndChangeNothing) {
    test::FakeUserInterface ui;
    CLumenData data;
    SetChannels(data, {0.123456789}, {0.5}, false);
    for (const std::int32_t bits : {0, -3, 32, 64}) {
        ui.ExpectMessage(
            "Cannot quantize the coefficients.\nThe number of bits must be from 1 to 31.");
        EXPECT_FALSE(data.Quantize(bits, true, true)) << bits;
    }
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{0.123456789}));
}

// Window, scale and quantize asked for both channels of real data.
class RealDataRuleTest : public testing::TestWithParam<std::function<void(CLumenData&)>> {};

TEST_P(RealDataRuleTest, QuadratureChannelIsNeverTouched) {
    CLumenData data;
    SetChannels(data, {0.3, 0.6, 0.9, 0.6}, {0.3, 0.6, 0.9, 0.6}, true);
    GetParam()(data);
    EXPECT_NE(Samples(data.Inphase()), (std::vector<double>{0.3, 0.6, 0.9, 0.6}));
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{0.3, 0.6, 0.9, 0.6}));
}

INSTANTIATE_TEST_SUITE_P(
    Operations, RealDataRuleTest,
    testing::Values([](CLumenData& d) { d.Window(WindowType::Hamming, 0.0, true, true); },
                    [](CLumenData& d) { d.Scale(-2.0, true, true); },
                    [](CLumenData& d) { d.ScaleTo(ScaleMode::SumOfSquares, 1.0, 0.0, true, true); },
                    [](CLumenData& d) { d.Quantize(3, true, true); }));

TEST(FillTest, ConstantOnTheInphaseChannelOfARealFilterPadsItAndMakesTheDataComplex) {
    CLumenData data;
    SetChannels(data, std::vector<double>(100, 0.01), std::vector<double>(100, 0.0), true);
    data.SetWindowType(1);
    data.FillConstant(10, 0.1, true, false);

    std::vector<double> expected(100, 0.0);
    std::fill_n(expected.begin(), 10, 0.1);
    EXPECT_EQ(Samples(data.Inphase()), expected);
    EXPECT_EQ(Samples(data.Quadrature()), std::vector<double>(100, 0.0));
    EXPECT_FALSE(data.IsReal());
    EXPECT_EQ(data.GetWindowType(), kNoWindow);
    EXPECT_EQ(data.GetRangeLast(), 99);
}

TEST(FillTest, SineCyclesAdvanceByTheSameAngleWhateverTheSamplingFrequency) {
    for (const double fs : {1.0, 48000.0, 0.3}) {
        CLumenData data;
        data.SetFrequencyUnits(CFreqUnits(fs, 0));
        data.FillSineCycles(256, 4.0, true, true);
        std::vector<double> cosines;
        std::vector<double> sines;
        for (int n = 0; n < 256; ++n) {
            cosines.push_back(std::cos(kTwoPi * 4.0 * n / 256.0));
            sines.push_back(std::sin(kTwoPi * 4.0 * n / 256.0));
        }
        ExpectSamplesNear(data.Inphase(), cosines, 1e-12);
        ExpectSamplesNear(data.Quadrature(), sines, 1e-12);
        EXPECT_FALSE(data.IsReal());
    }
}

TEST(FillTest, SineAtAFrequencyStepsByItsShareOfTheSamplingFrequency) {
    CLumenData data;
    data.SetFrequencyUnits(CFreqUnits(8000.0, 0));
    data.SetWindowType(0);
    data.FillSine(9, 1000.0, true, false);
    ExpectSamplesNear(data.Inphase(),
                      {1.0, std::sqrt(0.5), 0.0, -std::sqrt(0.5), -1.0, -std::sqrt(0.5), 0.0,
                       std::sqrt(0.5), 1.0},
                      1e-15);
    EXPECT_EQ(Samples(data.Quadrature()), std::vector<double>(9, 0.0));
    EXPECT_TRUE(data.IsReal());
    EXPECT_EQ(data.GetWindowType(), kNoWindow);
}

TEST(MixTest, QuarterRateMixTurnsEachTapAQuarterTurnFurther) {
    CLumenData data;
    data.SetFrequencyUnits(CFreqUnits(4.0, 0));
    SetChannels(data, {1.0, 1.0, 1.0, 1.0}, {0.0, 0.0, 0.0, 0.0}, true);
    data.Mix(1.0, 0.0);
    ExpectSamplesNear(data.Inphase(), {1.0, 0.0, -1.0, 0.0});
    ExpectSamplesNear(data.Quadrature(), {0.0, 1.0, 0.0, -1.0});
    EXPECT_FALSE(data.IsReal());
}

TEST(ChannelCopyTest, CopiesAndSwapMakeTheDataComplex) {
    CLumenData data;
    SetChannels(data, {1.0, 2.0}, {3.0, 4.0}, true);
    data.SwapChannels();
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{3.0, 4.0}));
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{1.0, 2.0}));
    EXPECT_FALSE(data.IsReal());

    data.SetReal(true);
    data.CopyInphaseToQuadrature();
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{3.0, 4.0}));
    EXPECT_FALSE(data.IsReal());

    data.Quadrature().SetAt(0, 9.0);
    data.CopyQuadratureToInphase();
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{9.0, 4.0}));
}

}  // namespace
}  // namespace tapwright
