#include "editors/RspSpec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "design/FirData.h"
#include "document/SampleRateDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

class RspSpecTest : public testing::Test {
protected:
    RspSpecTest() { filter.SetFrequencyUnits(CFreqUnits(8000.0, 0)); }

    void Type(const std::string& lower, const std::string& upper, const std::string& desired,
              const std::string& attn) {
        editor.lowerEntry = lower;
        editor.upperEntry = upper;
        editor.desiredEntry = desired;
        editor.attnEntry = attn;
    }
    void Add(const std::string& lower, const std::string& upper, const std::string& desired,
             const std::string& attn) {
        Type(lower, upper, desired, attn);
        editor.OnAddClicked();
    }
    double Desired(std::size_t row) const {
        return BandTable::NumberOf(editor.Table().Rows()[row].desired);
    }
    static std::string FsHint(const std::string& sampleRate) {
        return "\n\nThe sampling frequency is " + sampleRate +
               ". Set it with the \"FS\" button\nor with Filter > Sampling Frequency.";
    }
    // A lowpass the estimate and the design can work with: 0 to 800 Hz passing, 1200 Hz
    // to Fs/2 attenuated by 40 dB.
    void AddLowpass() {
        Add("0", "800", "1", "0.1");
        Add("1200", "4000", "0", "40");
    }

    test::FakeUserInterface ui;
    test::EditorFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
    CFirData& filter = document.Filter();
    CRspSpec& editor = *frames.All<CRspSpec>().front();
};

TEST_F(RspSpecTest, AddedRowsBecomeTheSpecificationAndEnableEstimate) {
    // A new editor takes the filter's units and starts with both buttons off.
    EXPECT_TRUE(editor.attnInDb);
    EXPECT_FALSE(editor.gainInDb);
    EXPECT_FALSE(editor.IsEstimateEnabled());
    AddLowpass();
    ASSERT_EQ(editor.Table().Size(), 2u);
    EXPECT_EQ(editor.Table().Rows()[0].actual, " ");
    EXPECT_EQ(editor.lowerEntry, "");  // the entry is cleared after each row
    ASSERT_EQ(filter.GetNumBands(), 2);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(0), 0.1);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(1), 0.15);
    EXPECT_TRUE(editor.IsEstimateEnabled());
    // 0 taps cannot be designed, so there is nothing to optimize from yet.
    EXPECT_FALSE(editor.IsOptimizeEnabled());
    editor.OnEstimateClicked();
    EXPECT_EQ(editor.numTaps, 47);
}

TEST_F(RspSpecTest, AddNeedsLowerUpperAndAttenuationAndRefusesAZeroValue) {
    Type("100", "", "", "");
    editor.OnAddClicked();
    EXPECT_EQ(editor.FocusedEntry(), BandEntryField::Upper);
    Type("100", "200", "", "");
    editor.OnAddClicked();
    EXPECT_EQ(editor.FocusedEntry(), BandEntryField::AttnRipple);
    Type("100", "200", "", "0");
    ui.ExpectMessage(CRspSpec::kZeroValueMessage);
    editor.OnAddClicked();
    EXPECT_TRUE(editor.Table().Empty());
    EXPECT_EQ(editor.upperEntry, "200");  // kept for correcting
}

TEST_F(RspSpecTest, NegativeAttenuationWithoutDesiredIsAStopbandOfThatAttenuation) {
    Add("0", "1000", "", "-40");
    ASSERT_EQ(filter.GetNumBands(), 1);
    EXPECT_FALSE(filter.IsPassband(0));
    EXPECT_NEAR(filter.GetAttnRippleDisplay(0, true), 40.0, 1e-9);
    EXPECT_EQ(BandTable::NumberOf(editor.Table().Rows()[0].attnRipple), 40.0);
}

TEST_F(RspSpecTest, AutoSelectTakesLevelsAboveTheLargestPassbandRippleAsStopbands) {
    app.Preferences().m_bEditorSelectPassStop = true;
    app.Preferences().m_dEditorMaxPassDb = 10.0;
    Add("0", "1000", "", "0.5");
    Add("1500", "4000", "", "60");
    ASSERT_EQ(filter.GetNumBands(), 2);
    EXPECT_TRUE(filter.IsPassband(0));
    EXPECT_FALSE(filter.IsPassband(1));
}

TEST_F(RspSpecTest, UpperBeyondHalfFsAsksToSetTheSamplingRateButExactlyHalfFsDoesNot) {
    ui.ExpectMessage(CRspSpec::kSetSampleRateQuestion, MessageResult::No);
    Add("1000", "4100", "1", "1");
    EXPECT_TRUE(editor.Table().Empty());
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Question);

    // Yes opens the sampling-frequency dialog, and the question returns until it fits.
    ui.ExpectMessage(CRspSpec::kSetSampleRateQuestion, MessageResult::Yes);
    ui.ExpectDialog<CSampleRateDlg>([](CSampleRateDlg& dialog) {
        dialog.frequency = 10000.0;
        return true;
    });
    editor.OnAddClicked();
    EXPECT_EQ(editor.Table().Size(), 1u);
    EXPECT_EQ(editor.FsCaption(), "10000.0 Hz");

    Add("4500", "5000", "0", "40");  // exactly the new Fs/2
    EXPECT_EQ(editor.Table().Size(), 2u);
}

TEST_F(RspSpecTest, DesiredUnitToggleConvertsEveryRowAndBack) {
    Add("0", "1000", "1", "1");
    Add("2000", "4000", "stop", "40");
    editor.gainInDb = true;  // the box as the click left it
    editor.OnGainInDbClicked();
    EXPECT_TRUE(filter.IsGainInDb());
    EXPECT_NEAR(Desired(0), 0.0, 1e-12);
    EXPECT_EQ(editor.Table().Rows()[1].desired, BandTable::kStopbandWord);

    editor.gainInDb = false;
    editor.OnGainInDbClicked();
    EXPECT_NEAR(Desired(0), 1.0, 1e-12);
    EXPECT_EQ(Desired(1), 0.0);

    // The other box shows the attenuation as its weight.
    editor.attnInDb = false;
    editor.OnAttnInDbClicked();
    EXPECT_NEAR(BandTable::NumberOf(editor.Table().Rows()[1].attnRipple), 100.0, 1e-6);
    EXPECT_EQ(filter.GetNumBands(), 2);
}

// A table that cannot be read would be refilled without its rows; the box stays instead.
TEST_F(RspSpecTest, UnitToggleWithAnUnreadableRowKeepsTheTableAndTheUnit) {
    Add("0", "1000", "1", "1");
    Add("2000", "3000", "0", "40");
    // Halving the sampling frequency puts the second row beyond Fs/2.
    filter.SetFrequencyUnits(CFreqUnits(4000.0, 0));
    ASSERT_EQ(editor.Table().Size(), 2u);

    editor.gainInDb = true;
    ui.ExpectMessage(std::string(CRspSpec::kUpperAboveHalfFsMessage) + FsHint("4000.0 Hz"));
    editor.OnGainInDbClicked();
    EXPECT_FALSE(editor.gainInDb);
    EXPECT_EQ(editor.Table().Size(), 2u);
    EXPECT_EQ(editor.SelectedRow(), 1);
    EXPECT_EQ(Desired(0), 1.0);
}

// Every refusal of a typed band comes before the table changes: a band that replaced rows
// on its way in would lose them although it is refused itself.
TEST_F(RspSpecTest, RefusedBandLeavesTheTableAsItWas) {
    filter.SetFrequencyUnits(CFreqUnits(48000.0, 0));
    Add("0", "5000", "1", "0.5");
    Add("6000", "10000", "0", "60");
    Add("11000", "14000", "1", "0.5");
    Add("15000", "24000", "0", "60");
    ASSERT_EQ(editor.Table().Size(), 4u);
    const std::vector<BandRow> before = editor.Table().Rows();
    const auto unchanged = [&] {
        ASSERT_EQ(editor.Table().Size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(editor.Table().Rows()[i].lower, before[i].lower) << "row " << i;
            EXPECT_EQ(editor.Table().Rows()[i].upper, before[i].upper) << "row " << i;
        }
        EXPECT_EQ(filter.GetNumBands(), 4);
    };

    ui.ExpectMessage(CRspSpec::kLowerNotBelowUpperMessage);
    Add("20000", "16000", "0", "60");
    unchanged();
    EXPECT_EQ(editor.lowerEntry, "20000");  // kept for correcting

    ui.ExpectMessage(CRspSpec::NotANumberMessage(BandEntryField::Lower, "abc"));
    Add("abc", "3000", "1", "1");
    unchanged();
    EXPECT_EQ(editor.FocusedEntry(), BandEntryField::Lower);

    ui.ExpectMessage(CRspSpec::NotANumberMessage(BandEntryField::Desired, "0.3x"));
    Add("12000", "13000", "0.3x", "1");
    unchanged();
    EXPECT_EQ(editor.FocusedEntry(), BandEntryField::Desired);

    // The filter's own rules: a negative linear gain.
    ui.ExpectMessage(CFirData::kNegativeGainMessage);
    Add("12000", "13000", "-1", "1");
    unchanged();
}

TEST_F(RspSpecTest, BandBeyondHalfFsSaysHowToSetTheSamplingFrequency) {
    Add("0", "1000", "1", "1");
    filter.SetFrequencyUnits(CFreqUnits(1.0, 0));
    ui.ExpectMessage(std::string(CRspSpec::kUpperAboveHalfFsMessage) + FsHint("1.0 Hz"));
    EXPECT_FALSE(editor.ControlsToSpec());
}

TEST_F(RspSpecTest, TypedNumbersReachTheSpecificationAtFullPrecision) {
    editor.attnInDb = false;
    editor.OnAttnInDbClicked();
    Add("0", "1000.12345678", "0.123456789", "1e200");
    ASSERT_EQ(filter.GetNumBands(), 1);
    EXPECT_EQ(filter.GetUpperEdge(0), 1000.12345678 / 8000.0);
    EXPECT_EQ(filter.GetDesiredGain(0), 0.123456789);
    EXPECT_EQ(filter.GetBandWeight(0), 1e200);
    // The rows show the digits that were typed, not six decimals of them.
    EXPECT_EQ(BandTable::NumberOf(editor.Table().Rows()[0].upper), 1000.12345678);
    EXPECT_EQ(BandTable::NumberOf(editor.Table().Rows()[0].attnRipple), 1e200);

    // A value no double holds is refused, naming its field.
    ui.ExpectMessage(CRspSpec::UnrepresentableMessage(BandEntryField::AttnRipple, "1e999"));
    Add("2000", "4000", "0", "1e999");
    ui.ExpectMessage(CRspSpec::UnrepresentableMessage(BandEntryField::Desired, "1e-310"));
    Add("2000", "4000", "1e-310", "1");
    EXPECT_EQ(editor.Table().Size(), 1u);
}

TEST_F(RspSpecTest, TinyDesiredSlopeIsKeptRatherThanRoundedToZero) {
    editor.responseTypeIndex = 1;  // differentiator
    Add("0", "3000", "1e-300", "1");
    ASSERT_EQ(filter.GetNumBands(), 1);
    EXPECT_EQ(filter.GetDesiredGain(0), 1e-300);
    EXPECT_EQ(BandTable::NumberOf(editor.Table().Rows()[0].desired), 1e-300);
}

// A level in dB so large that its weight is infinite reaches no specification.
TEST_F(RspSpecTest, LevelWhoseWeightNoDoubleHoldsIsRefused) {
    ui.ExpectMessage(CFirData::kWeightUnrepresentableMessage);
    Add("0", "1000", "1", "1e-300");
    ui.ExpectMessage(CFirData::kGainUnrepresentableMessage);
    editor.gainInDb = true;
    editor.OnGainInDbClicked();
    Add("0", "1000", "1e200", "1");
    EXPECT_TRUE(editor.Table().Empty());
    EXPECT_EQ(filter.GetNumBands(), 0);
}

TEST_F(RspSpecTest, DeleteSelectsTheNextRowAndClearAllEmptiesTheTaps) {
    Add("0", "500", "1", "1");
    Add("1000", "1500", "0", "40");
    Add("2000", "4000", "1", "1");
    editor.OnRowSelected(1);
    EXPECT_EQ(editor.lowerEntry, editor.Table().Rows()[1].lower);
    editor.OnDeleteClicked();
    ASSERT_EQ(editor.Table().Size(), 2u);
    EXPECT_EQ(BandTable::NumberOf(editor.Table().Rows()[1].lower), 2000.0);
    EXPECT_EQ(editor.SelectedRow(), 1);
    EXPECT_EQ(editor.lowerEntry, "");
    editor.OnDeleteClicked();
    EXPECT_EQ(editor.SelectedRow(), 0);  // the last row went: the one before it

    editor.numTaps = 51;
    ui.ExpectMessage(CRspSpec::kClearAllQuestion, MessageResult::No);
    editor.OnClearAllClicked();
    EXPECT_EQ(editor.Table().Size(), 1u);
    ui.ExpectMessage(CRspSpec::kClearAllQuestion, MessageResult::Yes);
    editor.OnClearAllClicked();
    EXPECT_TRUE(editor.Table().Empty());
    EXPECT_EQ(editor.numTaps, 0);
    EXPECT_EQ(filter.GetNumBands(), 0);
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::None);
}

TEST_F(RspSpecTest, PendingEntryIsAskedAboutBeforeDesigning) {
    Type("100", "", "", "");
    ui.ExpectMessage(CRspSpec::kPartialEntryQuestion, MessageResult::No);
    editor.OnDesignClicked();
    EXPECT_EQ(editor.lowerEntry, "100");
    EXPECT_EQ(filter.GetNumPoints(), 0);

    Add("0", "800", "1", "0.1");
    Type("1200", "4000", "0", "40");
    ui.ExpectMessage(CRspSpec::kEntryNotAddedQuestion, MessageResult::Cancel);
    editor.OnDesignClicked();
    EXPECT_EQ(editor.Table().Size(), 1u);

    editor.numTaps = 61;
    ui.ExpectMessage(CRspSpec::kEntryNotAddedQuestion, MessageResult::Yes);
    editor.OnDesignClicked();
    EXPECT_EQ(editor.Table().Size(), 2u);
    ASSERT_EQ(filter.GetNumPoints(), 61);
    EXPECT_EQ(editor.VerdictText(), "PASS");
    // The measured levels: a ripple within 0.1 dB, an attenuation beyond 40 dB.
    EXPECT_LE(BandTable::NumberOf(editor.Table().Rows()[0].actual), 0.1);
    EXPECT_GE(BandTable::NumberOf(editor.Table().Rows()[1].actual), 40.0);
    EXPECT_TRUE(editor.IsOptimizeEnabled());
}

TEST_F(RspSpecTest, InsertBandSaysWhetherTheTableStillMakesASpecification) {
    AddLowpass();
    // A band that touches a row is refused and stays typed; the table keeps its rows.
    Type("800", "1000", "0", "40");
    const auto touching = editor.ReadEntry();
    ASSERT_TRUE(touching.has_value());
    ui.ExpectMessage(BandTable::kTouchingMessage);
    EXPECT_FALSE(editor.InsertBand(*touching));
    EXPECT_EQ(editor.Table().Size(), 2u);
    EXPECT_EQ(editor.lowerEntry, "800");

    // A band the table takes but whose specification cannot be rebuilt is not a success.
    editor.gridDensity = CFirData::kMaxGridDensity + 1;
    Type("100", "200", "1", "0.1");
    const auto inside = editor.ReadEntry();
    ASSERT_TRUE(inside.has_value());
    ui.ExpectMessage(CFirData::kGridDensityTooLargeMessage);
    EXPECT_FALSE(editor.InsertBand(*inside));
    EXPECT_TRUE(editor.IsBeyondHalfFs(4001.0));
    EXPECT_FALSE(editor.IsBeyondHalfFs(4000.0));
}

}  // namespace
}  // namespace tapwright
