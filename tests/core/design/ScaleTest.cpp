#include "document/ScaleDlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/design/SignalBuilders.h"
#include "design/LumenData.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::ExpectSamplesNear;
using test::Samples;
using test::SetChannels;

TEST(ScaleTest, MultiplyModeUsesTheValueOrItsDecibels) {
    CScaleDlg dialog;
    dialog.mode = ScaleMode::Multiply;
    dialog.value = 0.0;
    EXPECT_EQ(dialog.ScaleValue(), 1.0);  // 0 dB
    dialog.value = 6.0;
    EXPECT_DOUBLE_EQ(dialog.ScaleValue(), std::pow(10.0, 0.3));
    dialog.valueInDb = false;
    dialog.value = 2.0;

    CLumenData data;
    SetChannels(data, {1.0, -0.5}, {0.25, 3.0}, false);
    ASSERT_TRUE(data.ScaleTo(dialog.mode, dialog.ScaleValue(), 0.0, true, false));
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{2.0, -1.0}));
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{0.25, 3.0}));
}

TEST(ScaleTest, GainModesBringTheResponseMagnitudeToTheValue) {
    CLumenData data;
    data.SetFrequencyUnits(CFreqUnits(1000.0, 0));
    SetChannels(data, {0.5, 1.0, 0.5}, {0.0, 0.0, 0.0}, true);
    ASSERT_TRUE(data.ScaleTo(ScaleMode::GainAtDc, 1.0, 0.0, true, false));
    ExpectSamplesNear(data.Inphase(), {0.25, 0.5, 0.25});

    // [1, 0.5] has |H| = 0.5 at Fs/2, given in the unit of Fs.
    SetChannels(data, {1.0, 0.5}, {0.0, 0.0}, true);
    ASSERT_TRUE(data.ScaleTo(ScaleMode::GainAtFrequency, 1.0, 500.0, true, false));
    ExpectSamplesNear(data.Inphase(), {2.0, 1.0}, 1e-12);
}

TEST(ScaleTest, MaximumModeTakesTheLargestSignedCoefficient) {
    CLumenData data;
    SetChannels(data, {-4.0, -1.0, -2.0}, {0.0, 0.0, 0.0}, true);
    ASSERT_TRUE(data.ScaleTo(ScaleMode::MaxCoefficient, 1.0, 0.0, true, false));
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{4.0, 1.0, 2.0}));
}

TEST(ScaleTest, ReferenceDependsOnTheChannelsChosen) {
    // Sum of magnitudes: Inphase 2, Quadrature 4; no complex measure, so both channels
    // take the larger.
    CLumenData data;
    SetChannels(data, {1.0, -1.0}, {2.0, 2.0}, false);
    data.ScaleTo(ScaleMode::SumOfMagnitudes, 1.0, 0.0, true, true);
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{0.25, -0.25}));
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{0.5, 0.5}));

    SetChannels(data, {1.0, -1.0}, {2.0, 2.0}, false);
    data.ScaleTo(ScaleMode::SumOfSquares, 1.0, 0.0, false, true);
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{0.25, 0.25}));

    // At DC the complex filter 1 + 1j has |H| = sqrt(2).
    SetChannels(data, {1.0}, {1.0}, false);
    data.ScaleTo(ScaleMode::GainAtDc, 1.0, 0.0, true, true);
    ExpectSamplesNear(data.Inphase(), {1.0 / std::sqrt(2.0)});
    ExpectSamplesNear(data.Quadrature(), {1.0 / std::sqrt(2.0)});
}

TEST(ScaleTest, RealDataIsMeasuredAndScaledWithoutItsQuadratureChannel) {
    CLumenData data;
    SetChannels(data, {-2.0, -1.0}, {5.0, 5.0}, true);
    ASSERT_TRUE(data.ScaleTo(ScaleMode::MaxCoefficient, 2.0, 0.0, true, true));
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{4.0, 2.0}));
    EXPECT_EQ(Samples(data.Quadrature()), (std::vector<double>{5.0, 5.0}));
}

TEST(ScaleTest, ZeroReferenceIsReportedAndChangesNothing) {
    test::FakeUserInterface ui;
    CLumenData data;
    SetChannels(data, {1.0, -1.0}, {0.0, 0.0}, true);
    ui.ExpectMessage("Cannot scale data because all coefficients are zero.");
    EXPECT_FALSE(data.ScaleTo(ScaleMode::GainAtDc, 1.0, 0.0, true, false));
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{1.0, -1.0}));

    // With a sampling frequency of 0 a gain at a frequency cannot be measured.
    data.SetFrequencyUnits(CFreqUnits(0.0, 0));
    ui.ExpectMessage(kScaleNotANumberMessage);
    EXPECT_FALSE(data.ScaleTo(ScaleMode::GainAtFrequency, 1.0, 0.0, true, false));
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{1.0, -1.0}));
}

TEST(ScaleTest, ZeroFactorAsksBeforeClearingTheData) {
    test::FakeUserInterface ui;
    CLumenData data;
    SetChannels(data, {1.0, 2.0}, {0.0, 0.0}, true);
    const char* question =
        "Scale value is 0.0 (linear).\nTherefore, scaling will clear all data.\nScale anyway?";
    ui.ExpectMessage(question, MessageResult::No);
    EXPECT_FALSE(data.ScaleTo(ScaleMode::Multiply, 0.0, 0.0, true, false));
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Exclamation);

    ui.ExpectMessage(question, MessageResult::Yes);
    EXPECT_TRUE(data.Scale(0.0, true, false));
    EXPECT_EQ(Samples(data.Inphase()), (std::vector<double>{0.0, 0.0}));
}

}  // namespace
}  // namespace tapwright
