#include "document/MixDlg.h"

#include <gtest/gtest.h>

#include "math/Constants.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

constexpr const char* kOutsideQuestion =
    "The Mixing frequency is outside the range\n+/- half the sampling frequency.  Mix anyway?";

TEST(MixDlgTest, FieldsStillAtZeroGetTheirStartingValues) {
    CMixDlg dialog;
    dialog.PrepareForRun(48000.0, 31);
    EXPECT_EQ(dialog.frequency, 12000.0f);
    EXPECT_EQ(dialog.divisor, 4.0f);
    EXPECT_EQ(dialog.multiplier, 0.25f);

    dialog.frequency = 100.0f;
    dialog.divisor = 3.0f;
    dialog.PrepareForRun(8000.0, 31);
    EXPECT_EQ(dialog.frequency, 100.0f);
    EXPECT_EQ(dialog.divisor, 3.0f);
}

TEST(MixDlgTest, ZeroDivisorAndZeroFrequencyKeepTheDialogOpen) {
    test::FakeUserInterface ui;
    CMixDlg dialog;
    dialog.PrepareForRun(1000.0, 11);
    dialog.frequencyMode = MixFrequencyMode::FsDividedBy;
    dialog.divisor = 0.0f;
    ui.ExpectMessage("The Fs mixing divisor cannot be zero.");
    EXPECT_FALSE(dialog.OnOK());

    dialog.frequencyMode = MixFrequencyMode::Frequency;
    dialog.frequency = 0.0f;
    ui.ExpectMessage("The mixing frequency cannot be zero.");
    EXPECT_FALSE(dialog.OnOK());

    dialog.frequencyMode = MixFrequencyMode::FsMultipliedBy;
    dialog.multiplier = 0.0f;
    ui.ExpectMessage("The mixing frequency cannot be zero.");
    EXPECT_FALSE(dialog.OnOK());
    for (const auto& message : ui.Messages()) {
        EXPECT_EQ(message.icon, MessageIcon::Stop);
    }
}

TEST(MixDlgTest, FrequencyOutsideHalfTheSamplingRateIsAskedAbout) {
    test::FakeUserInterface ui;
    CMixDlg dialog;
    dialog.PrepareForRun(1000.0, 1);
    dialog.frequency = -500.5f;
    ui.ExpectMessage(kOutsideQuestion, MessageResult::No);
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Exclamation);

    dialog.frequencyMode = MixFrequencyMode::FsMultipliedBy;
    dialog.multiplier = 0.75f;
    ui.ExpectMessage(kOutsideQuestion, MessageResult::Yes);
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_EQ(dialog.MixingFrequency(), 750.0);
}

TEST(MixDlgTest, ExactlyHalfTheSamplingRateIsInside) {
    test::FakeUserInterface ui;  // any question fails the test
    CMixDlg dialog;
    dialog.PrepareForRun(0.3, 1);
    dialog.frequency = 0.15f;  // a float a little above 0.15
    EXPECT_TRUE(dialog.OnOK());
    dialog.frequency = -0.15f;
    EXPECT_TRUE(dialog.OnOK());
    dialog.frequencyMode = MixFrequencyMode::FsDividedBy;
    dialog.divisor = -2.0f;
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_EQ(dialog.MixingFrequency(), -0.15);
}

TEST(MixDlgTest, InitialPhaseIsReducedToLessThanATurn) {
    CMixDlg dialog;
    dialog.PrepareForRun(1.0, 21);
    dialog.frequency = 0.25f;
    // Linear phase: -pi * 0.25 * 20 = -5 pi, which leaves -pi.
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_NEAR(dialog.InitialPhase(), -kPi, 1e-12);

    dialog.phaseMode = MixPhaseMode::Degrees;
    dialog.degrees = 90.0f;
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_NEAR(dialog.InitialPhase(), kHalfPi, 1e-15);
    dialog.degrees = -540.0f;
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_NEAR(dialog.InitialPhase(), -kPi, 1e-12);
}

}  // namespace
}  // namespace tapwright
