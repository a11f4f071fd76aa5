#include "document/CoefficientCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/design/SignalBuilders.h"
#include "data/Preferences.h"
#include "design/FirData.h"
#include "math/Constants.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::ExpectSamplesNear;
using test::Samples;
using test::SetChannels;

class CoefficientCommandsTest : public testing::Test {
protected:
    CoefficientCommandsTest()
        : commands_(filter_, dialogs_, preferences_,
                    {[this] { ++dataChanged_; }, [this] { ++responseShown_; }}) {}

    void SetCoefficients(const std::vector<double>& inphase) {
        SetChannels(filter_, inphase, std::vector<double>(inphase.size(), 0.0), true);
        filter_.SetDesigned(true);
    }

    test::FakeUserInterface ui_;
    CFirData filter_;
    CoefficientDialogs dialogs_;
    CPreferences preferences_;
    CoefficientCommands commands_;
    int dataChanged_ = 0;
    int responseShown_ = 0;
};

TEST_F(CoefficientCommandsTest, WindowAsksBeforeWindowingAgain) {
    SetCoefficients({1.0, 1.0, 1.0, 1.0});
    ui_.ExpectDialog<CWindowDlg>([](CWindowDlg& dialog) {
        EXPECT_EQ(dialog.type, WindowType::BlackmanHarris);
        EXPECT_EQ(dialog.alpha, 4.0f);
        dialog.type = WindowType::Hanning;
        return dialog.OnOK();
    });
    ASSERT_TRUE(commands_.Window(DefaultChannels(filter_.IsReal())));
    ExpectSamplesNear(filter_.Inphase(), {0.0, 0.5, 1.0, 0.5});
    EXPECT_EQ(ui_.StatusTexts(), (std::vector<std::string>{"Windowing Time Data..."}));
    EXPECT_EQ(ui_.WaitCursorUses(), 1);
    EXPECT_FALSE(filter_.IsDesigned());
    EXPECT_EQ(dialogs_.window.type, WindowType::Hanning);
    EXPECT_EQ(dataChanged_, 1);

    const char* again = "The time data has already been windowed.  Window again?";
    ui_.ExpectMessage(again, MessageResult::No);
    EXPECT_FALSE(commands_.Window(DefaultChannels(filter_.IsReal())));
    EXPECT_EQ(ui_.Messages()[0].icon, MessageIcon::Question);

    // Yes, then Cancel: the kept choice stays as it was.
    ui_.ExpectMessage(again, MessageResult::Yes);
    ui_.ExpectDialog<CWindowDlg>([](CWindowDlg& dialog) {
        dialog.type = WindowType::Gaussian;
        return false;
    });
    EXPECT_FALSE(commands_.Window(DefaultChannels(filter_.IsReal())));
    EXPECT_EQ(dialogs_.window.type, WindowType::Hanning);
    ExpectSamplesNear(filter_.Inphase(), {0.0, 0.5, 1.0, 0.5});
    EXPECT_EQ(dataChanged_, 1);
}

TEST_F(CoefficientCommandsTest, ScaleShowsTheFrequencyUnitAndScalesInDecibels) {
    filter_.SetFrequencyUnits(CFreqUnits(8.0, 1));
    SetCoefficients({1.0, -2.0});
    ui_.ExpectDialog<CScaleDlg>([](CScaleDlg& dialog) {
        EXPECT_EQ(dialog.unitLabel, "kHz");
        dialog.mode = ScaleMode::Multiply;
        dialog.value = 6.0;
        return true;
    });
    ASSERT_TRUE(commands_.Scale(DefaultChannels(filter_.IsReal())));
    const double factor = std::pow(10.0, 0.3);
    ExpectSamplesNear(filter_.Inphase(), {factor, -2.0 * factor});
    EXPECT_EQ(dialogs_.scale.mode, ScaleMode::Multiply);
    EXPECT_EQ(dataChanged_, 1);
}

TEST_F(CoefficientCommandsTest, QuantizeDialogStaysOpenUntilTheBitCountIsUsable) {
    SetCoefficients({0.3, -0.3});
    ui_.ExpectMessage(kQuantizeBitsMessage);
    ui_.ExpectDialog<CQuantizeDlg>([](CQuantizeDlg& dialog) {
        EXPECT_EQ(dialog.bits, 16);
        dialog.bits = 40;
        EXPECT_FALSE(dialog.OnOK());
        dialog.bits = 3;
        return dialog.OnOK();
    });
    ASSERT_TRUE(commands_.Quantize(ChannelSelection::Inphase));
    EXPECT_EQ(Samples(filter_.Inphase()), (std::vector<double>{0.25, -0.25}));
    EXPECT_EQ(dialogs_.quantize.bits, 3);
    EXPECT_TRUE(filter_.IsDesigned());
}

TEST_F(CoefficientCommandsTest, FillRepeatsTheDialogUntilTheTapCountIsUsable) {
    ui_.ExpectDialog<CCombFill>([](CCombFill&) { return true; });  // 0 taps
    ui_.ExpectMessage("Error -- Number of fill taps must be greater than zero.");
    ui_.ExpectDialog<CCombFill>([](CCombFill& dialog) {
        dialog.taps = 20000;
        return true;
    });
    ui_.ExpectMessage("Error -- Number of fill taps cannot be greater than 10000.");
    ui_.ExpectDialog<CCombFill>([](CCombFill& dialog) {
        dialog.taps = 4;
        dialog.OnTapsEdited();
        return true;
    });
    ASSERT_TRUE(commands_.FillConstant(ChannelSelection::Quadrature));
    EXPECT_EQ(Samples(filter_.Quadrature()), std::vector<double>(4, 0.25));
    EXPECT_EQ(Samples(filter_.Inphase()), std::vector<double>(4, 0.0));
    EXPECT_FALSE(filter_.IsReal());
    EXPECT_EQ(dialogs_.fill.taps, 4);
    EXPECT_EQ(responseShown_, 1);
    EXPECT_EQ(dataChanged_, 0);
}

TEST_F(CoefficientCommandsTest, SineAsksBeforeOverwritingAFilterThatIsNotBlank) {
    SetCoefficients({0.5, 0.5});
    const char* question = "Generating Coefficients will overwrite all current data.";
    ui_.ExpectMessage(question, MessageResult::Cancel);
    EXPECT_FALSE(commands_.FillSine(ChannelSelection::Inphase));
    EXPECT_EQ(Samples(filter_.Inphase()), (std::vector<double>{0.5, 0.5}));
    EXPECT_EQ(ui_.Messages()[0].buttons, MessageButtons::OkCancel);

    ui_.ExpectMessage(question, MessageResult::Ok);
    ui_.ExpectDialog<CSineDlg>([](CSineDlg& dialog) {
        dialog.count = 8;
        dialog.cycles = 2.0f;
        dialog.OnCyclesFocus();
        return true;
    });
    ASSERT_TRUE(commands_.FillSine(ChannelSelection::Inphase));
    ExpectSamplesNear(filter_.Inphase(), {1.0, 0.0, -1.0, 0.0, 1.0, 0.0, -1.0, 0.0});
    EXPECT_EQ(ui_.StatusTexts(), (std::vector<std::string>{"Generating Coeffients..."}));
    EXPECT_FALSE(filter_.IsDesigned());
    EXPECT_EQ(responseShown_, 1);

    CFirData blank;
    CoefficientCommands onBlank(blank, dialogs_, preferences_);
    ui_.ExpectDialog<CSineDlg>([](CSineDlg&) { return true; });
    EXPECT_TRUE(onBlank.FillSine(ChannelSelection::InphaseAndQuadrature));
    EXPECT_EQ(blank.Inphase().GetNumPoints(), 8);
    EXPECT_FALSE(blank.IsReal());
}

TEST_F(CoefficientCommandsTest, MixingUpAndBackDownWithLinearPhaseRestoresTheFilter) {
    std::vector<double> lowpass;
    for (int n = -10; n <= 10; ++n) {
        lowpass.push_back(n == 0 ? 0.25 : std::sin(kPi * 0.25 * n) / (kPi * n));
    }
    filter_.SetFrequencyUnits(CFreqUnits(1000.0, 0));
    filter_.SetNumTaps(21);
    SetCoefficients(lowpass);

    ui_.ExpectDialog<CMixDlg>([](CMixDlg& dialog) {
        dialog.OnDivisorFocus();  // Fs / 4, starting value
        return dialog.OnOK();
    });
    ASSERT_TRUE(commands_.Mix());
    EXPECT_FALSE(filter_.IsReal());
    // The centre tap keeps zero phase.
    EXPECT_NEAR(filter_.Inphase().GetAt(10), 0.25, 1e-15);
    EXPECT_NEAR(filter_.Quadrature().GetAt(10), 0.0, 1e-15);
    EXPECT_FALSE(filter_.IsDesigned());

    ui_.ExpectDialog<CMixDlg>([](CMixDlg& dialog) {
        EXPECT_EQ(dialog.divisor, 4.0f);
        dialog.multiplier = -0.25f;
        dialog.OnMultiplierFocus();
        return dialog.OnOK();
    });
    ASSERT_TRUE(commands_.Mix());
    EXPECT_TRUE(filter_.IsReal());
    ExpectSamplesNear(filter_.Inphase(), lowpass, 1e-15);
    EXPECT_EQ(Samples(filter_.Quadrature()), std::vector<double>(21, 0.0));
    EXPECT_EQ(dialogs_.mix.frequencyMode, MixFrequencyMode::FsMultipliedBy);
    EXPECT_EQ(dataChanged_, 2);
}

TEST_F(CoefficientCommandsTest, MixScalesAfterwardsWhenThePreferenceSaysSo) {
    SetCoefficients({1.0, 1.0});
    preferences_.m_bScaleAfterMix = true;
    ui_.ExpectDialog<CMixDlg>([](CMixDlg& dialog) { return dialog.OnOK(); });
    ui_.ExpectDialog<CScaleDlg>([](CScaleDlg&) { return false; });
    EXPECT_TRUE(commands_.Mix());
    EXPECT_EQ(dataChanged_, 1);

    filter_.SetFrequencyUnits(CFreqUnits(0.0, 0));
    ui_.ExpectMessage(kSampleRateMessage);
    EXPECT_FALSE(commands_.Mix());
}

}  // namespace
}  // namespace tapwright
