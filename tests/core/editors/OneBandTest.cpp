#include "editors/OneBand.h"

#include <gtest/gtest.h>

#include <string>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "design/FirData.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

class OneBandTest : public testing::Test {
protected:
    OneBandTest() { filter.SetFrequencyUnits(CFreqUnits(48000.0, 0)); }

    void Fill(SimpleFilterKind kind, double edge1, double edge2, float ripple, float attenuation,
              double center = 0.0) {
        editor.filterKind = kind;
        editor.edge1 = edge1;
        editor.edge2 = edge2;
        editor.rippleDb = ripple;
        editor.attenuationDb = attenuation;
        editor.centerFrequency = center;
    }

    test::FakeUserInterface ui;
    test::EditorFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    CFirData& filter = document.Filter();
    COneBand& editor = *frames.All<COneBand>().front();
};

TEST_F(OneBandTest, NewProjectStartsWithEveryNumberZeroAndDesignRefusesIt) {
    EXPECT_EQ(editor.FirData(), &filter);
    EXPECT_EQ(editor.numTaps, 0);
    EXPECT_EQ(editor.edge1, 0.0);
    EXPECT_EQ(editor.edge2, 0.0);
    EXPECT_EQ(editor.rippleDb, 0.0f);
    EXPECT_EQ(editor.attenuationDb, 0.0f);
    EXPECT_EQ(editor.gridDensity, 16);
    EXPECT_EQ(editor.filterKind, SimpleFilterKind::Lowpass);
    EXPECT_EQ(editor.ActualsCaption(), "Actuals");

    ui.ExpectMessage(COneBand::kNotPositiveMessage);
    editor.OnDesignClicked();
    EXPECT_EQ(filter.GetNumPoints(), 0);
    EXPECT_FALSE(filter.IsDesigned());
}

TEST_F(OneBandTest, LowpassBandsAreInCyclesPerSampleWithGainsOneAndZero) {
    Fill(SimpleFilterKind::Lowpass, 10000.0, 12000.0, 0.5f, 60.0f);
    ASSERT_TRUE(editor.ControlsToSpec());
    ASSERT_EQ(filter.GetNumBands(), 2);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(0), 0.0);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(0), 10000.0 / 48000.0);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(1), 12000.0 / 48000.0);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(1), 0.5);
    EXPECT_EQ(filter.GetDesiredGain(0), 1.0);
    EXPECT_EQ(filter.GetDesiredGain(1), 0.0);
    EXPECT_NEAR(filter.GetAttnRippleDisplay(0, true), 0.5, 1e-9);
    EXPECT_NEAR(filter.GetAttnRippleDisplay(1, true), 60.0, 1e-9);
}

bool IsBandKind(SimpleFilterKind kind) {
    return kind == SimpleFilterKind::Bandpass || kind == SimpleFilterKind::Bandstop;
}

struct FormCase {
    const char* name;
    SimpleFilterKind kind;
    double sampleRate;
    double edge1;
    double edge2;
    double center;
    float ripple;
    float attenuation;
    const char* refusal;  // null: accepted
    // The sampling frequency that a refusal of a frequency beyond its range names, with
    // where to set it; null for other refusals.
    const char* fsNamed;
};

std::string RefusalText(const FormCase& c) {
    std::string text = c.refusal;
    if (c.fsNamed != nullptr) {
        text += std::string("\n\nThe sampling frequency is ") + c.fsNamed +
                ". Set it with the \"FS\" button\nor with Filter > Sampling Frequency.";
    }
    return text;
}

class OneBandRulesTest : public OneBandTest, public testing::WithParamInterface<FormCase> {};

TEST_P(OneBandRulesTest, ChecksTheFormBeforeBuildingBands) {
    const FormCase& c = GetParam();
    filter.SetFrequencyUnits(CFreqUnits(c.sampleRate, 0));
    Fill(c.kind, c.edge1, c.edge2, c.ripple, c.attenuation, c.center);
    if (c.refusal != nullptr) {
        ui.ExpectMessage(RefusalText(c));
    }
    EXPECT_EQ(editor.ControlsToSpec(), c.refusal == nullptr);
    EXPECT_EQ(filter.GetNumBands(), c.refusal != nullptr ? 0 : IsBandKind(c.kind) ? 3 : 2);
}

using K = SimpleFilterKind;
INSTANTIATE_TEST_SUITE_P(
    Cases, OneBandRulesTest,
    testing::Values(FormCase{"HighpassWithEqualEdges", K::Highpass, 48000, 1000, 1000, 0, 0.5f,
                             60.0f, COneBand::kHighpassOrderMessage, nullptr},
                    FormCase{"LowpassEdgeAtHalfFs", K::Lowpass, 48000, 24000, 23000, 0, 0.5f, 60.0f,
                             COneBand::kEdgeOutsideHalfFsMessage, "48000.0 Hz"},
                    FormCase{"RippleEqualToAttenuation", K::Lowpass, 48000, 1000, 2000, 0, 40.0f,
                             40.0f, nullptr, nullptr},
                    FormCase{"AttenuationBelowRipple", K::Lowpass, 48000, 1000, 2000, 0, 40.0f,
                             39.9f, COneBand::kAttenuationBelowRippleMessage, nullptr},
                    FormCase{"BandstopReachingPastHalfFs", K::Bandstop, 22000, 4000, 2000, 10000,
                             0.5f, 60.0f, COneBand::kAboveHalfFsMessage, "22000.0 Hz"},
                    FormCase{"BandstopReachingHalfFsExactly", K::Bandstop, 22000, 2000, 1000, 10000,
                             0.5f, 60.0f, nullptr, nullptr},
                    FormCase{"BandpassBelowZero", K::Bandpass, 22000, 1000, 2000, 500, 0.5f, 60.0f,
                             COneBand::kBelowZeroMessage, nullptr},
                    FormCase{"BandpassBandwidthBeyondFs", K::Bandpass, 22000, 1000, 22000, 5000,
                             0.5f, 60.0f, COneBand::kBandwidthOutsideFsMessage, "22000.0 Hz"}),
    [](const testing::TestParamInfo<FormCase>& info) { return std::string(info.param.name); });

TEST_F(OneBandTest, BandstopAcceptedBuildsPassStopPassAroundTheCentre) {
    filter.SetFrequencyUnits(CFreqUnits(22000.0, 0));
    Fill(SimpleFilterKind::Bandstop, 2000.0, 1000.0, 0.5f, 60.0f, 10000.0);
    ASSERT_TRUE(editor.ControlsToSpec());
    ASSERT_EQ(filter.GetNumBands(), 3);
    EXPECT_TRUE(filter.IsPassband(0));
    EXPECT_FALSE(filter.IsPassband(1));
    EXPECT_TRUE(filter.IsPassband(2));
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(0), 9000.0 / 22000.0);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(1), 9500.0 / 22000.0);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(1), 10500.0 / 22000.0);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(2), 0.5);
}

TEST_F(OneBandTest, KindChangePutsTheEdgesInTheOrderOfTheNewKind) {
    Fill(SimpleFilterKind::Lowpass, 1000.0, 1500.0, 0.5f, 60.0f);
    editor.OnKindClicked(SimpleFilterKind::Highpass);
    EXPECT_EQ(editor.edge1, 1500.0);
    EXPECT_EQ(editor.edge2, 1000.0);
    EXPECT_EQ(editor.Edge1Label(), "Passband Lower Frequency:");
    EXPECT_EQ(editor.Edge2Label(), "Stopband Upper Frequency:");

    editor.OnKindClicked(SimpleFilterKind::Bandstop);  // already in bandstop order
    EXPECT_EQ(editor.edge1, 1500.0);
    EXPECT_EQ(editor.CenterCaption(), "Bandstop Center");
    EXPECT_TRUE(editor.IsCenterEnabled());
    EXPECT_FALSE(editor.IsEstimateEnabled());
    editor.OnKindClicked(SimpleFilterKind::Lowpass);
    EXPECT_EQ(editor.edge1, 1000.0);
    EXPECT_EQ(editor.CenterCaption(), "Bandstop Center");  // kept from the band kind
}

TEST_F(OneBandTest, RefillTakesKindAndFieldsFromTwoOrThreeBandsOnly) {
    filter.SetFrequencyUnits(CFreqUnits(22000.0, 0));
    filter.SetSpecification(ResponseType::Filter, 31, 20);
    filter.AddBand(0.0, 4000.0, 0.0, 50.0, false, true, true);
    filter.AddBand(5000.0, 7000.0, 1.0, 1.0, false, true, true);
    filter.AddBand(8000.0, 11000.0, 0.0, 50.0, false, true, true);
    document.UpdateAllViews(nullptr, hint::kAnything, nullptr);
    EXPECT_EQ(editor.filterKind, SimpleFilterKind::Bandpass);
    EXPECT_DOUBLE_EQ(editor.edge1, 2000.0);
    EXPECT_DOUBLE_EQ(editor.edge2, 4000.0);
    EXPECT_DOUBLE_EQ(editor.centerFrequency, 6000.0);
    EXPECT_NEAR(editor.rippleDb, 1.0f, 1e-5);
    EXPECT_NEAR(editor.attenuationDb, 50.0f, 1e-4);
    EXPECT_EQ(editor.numTaps, 31);
    EXPECT_EQ(editor.gridDensity, 20);

    // A fourth band is nothing the simple form can show.
    filter.SetSpecification(ResponseType::Filter, 63, 16);
    for (int band = 0; band < 4; ++band) {
        filter.AddBand(band * 2500.0, band * 2500.0 + 1000.0, band % 2, 40.0, false, true, true);
    }
    document.UpdateAllViews(nullptr, hint::kAnything, nullptr);
    EXPECT_EQ(editor.filterKind, SimpleFilterKind::Bandpass);
    EXPECT_DOUBLE_EQ(editor.edge1, 2000.0);
    EXPECT_EQ(editor.numTaps, 31);
}

// A lowpass or highpass keeps the centre the user typed, which is already in the unit of
// the sampling frequency: refilling must not scale it again.
TEST_F(OneBandTest, RefillOfALowpassLeavesTheTypedCentreAlone) {
    Fill(SimpleFilterKind::Lowpass, 10000.0, 12000.0, 0.5f, 60.0f, 6000.0);
    ASSERT_TRUE(editor.ControlsToSpec());
    document.UpdateAllViews(nullptr, hint::kAnything, nullptr);
    document.UpdateAllViews(nullptr, hint::kAnything, nullptr);
    EXPECT_DOUBLE_EQ(editor.centerFrequency, 6000.0);
    EXPECT_DOUBLE_EQ(editor.edge1, 10000.0);
    EXPECT_DOUBLE_EQ(editor.edge2, 12000.0);
}

TEST_F(OneBandTest, EstimateFillsTheTapsAndDesignShowsPassingActuals) {
    filter.SetFrequencyUnits(CFreqUnits(1.0, 0));
    Fill(SimpleFilterKind::Lowpass, 0.1, 0.15, 0.1f, 40.0f);
    editor.OnEstimateClicked();
    EXPECT_EQ(editor.numTaps, 47);

    editor.numTaps = 61;  // comfortably longer than the estimate
    editor.OnDesignClicked();
    ASSERT_EQ(filter.GetNumPoints(), 61);
    ASSERT_FALSE(ui.StatusTexts().empty());
    EXPECT_EQ(ui.StatusTexts().back().rfind("Design succeeded, with a margin of ", 0), 0u);
    EXPECT_EQ(editor.ActualsCaption(), "Actuals - PASS");
    // The actual ripple lies within the 0.1 dB asked for, the attenuation beyond 40 dB.
    const std::string ripple = editor.ActualRippleText();
    const std::string attenuation = editor.ActualAttnText();
    ASSERT_EQ(ripple.substr(ripple.size() - 3), " dB");
    EXPECT_LE(std::stod(ripple), 0.1);
    EXPECT_GE(std::stod(attenuation), 40.0);
}

}  // namespace
}  // namespace tapwright
