#include "editors/FirView.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "design/FirData.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

constexpr const char* kTooManyTaps =
    "Tapwright cannot design filters with more than 10000 taps.\n"
    "Design filter using 10000 taps?";

// The flows of the editor base, driven through the simple editor of a new project.
class FirViewTest : public testing::Test {
protected:
    // The lowpass of the worked estimate (0.1 dB up to 0.1, 40 dB from 0.15): 47 taps.
    void FillLowpass() {
        editor.filterKind = SimpleFilterKind::Lowpass;
        editor.edge1 = 0.1;
        editor.edge2 = 0.15;
        editor.rippleDb = 0.1f;
        editor.attenuationDb = 40.0f;
    }

    test::FakeUserInterface ui;
    test::EditorFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    CFirData& filter = document.Filter();
    COneBand& editor = *frames.All<COneBand>().front();
};

TEST_F(FirViewTest, TooManyTapsAreCutOnlyWhenTheUserAgrees) {
    editor.numTaps = 20000;
    ui.ExpectMessage(kTooManyTaps, MessageResult::No);
    EXPECT_FALSE(editor.DoDesign(editor.numTaps));
    EXPECT_EQ(editor.numTaps, 20000);
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Question);

    // Yes cuts the count before the form is checked (its zeros are then refused).
    ui.ExpectMessage(kTooManyTaps, MessageResult::Yes);
    ui.ExpectMessage(COneBand::kNotPositiveMessage);
    EXPECT_FALSE(editor.DoDesign(editor.numTaps));
    EXPECT_EQ(editor.numTaps, CFirData::kMaxTaps);
    EXPECT_EQ(filter.GetNumPoints(), 0);
}

// Whatever count the field takes, answered No at the question or never designed, is saved
// and opens again with that count.
TEST_F(FirViewTest, EveryTapCountTheFieldTakesIsSavedAndOpensAgain) {
    FillLowpass();
    const test::TempDir dir;
    const std::string path = dir.File("taps.tws");
    document.SetPathName(path);
    const std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    const std::pair<std::int32_t, std::int32_t> typedAndKept[] = {
        {-1, 0},
        {0, 0},
        {CFirData::kMinTaps, CFirData::kMinTaps},
        {CFirData::kMaxTaps, CFirData::kMaxTaps},
        {CFirData::kMaxTaps + 1, CFirData::kMaxTaps + 1},
        {CFirData::kMaxTaps + 2, CFirData::kMaxTaps + 2},
        {20000, 20000},
        {largest, largest}};
    for (const auto& [typed, kept] : typedAndKept) {
        editor.numTaps = typed;
        if (typed > CFirData::kMaxTaps) {
            ui.ExpectMessage(kTooManyTaps, MessageResult::No);
            EXPECT_FALSE(editor.DoDesign(editor.numTaps));
        }
        ASSERT_TRUE(app.SaveDocument(document)) << typed;

        test::EditorFrames otherFrames;
        CFirApp other(otherFrames);
        const CFirDoc* reopened = other.OpenDocument(path);
        ASSERT_NE(reopened, nullptr) << typed;
        EXPECT_EQ(reopened->Filter().GetNumTaps(), kept);
        EXPECT_EQ(otherFrames.All<COneBand>().front()->numTaps, kept);
    }
}

TEST_F(FirViewTest, ZeroTapsAreEstimatedAfterTheQuestionAndDesigned) {
    FillLowpass();
    ui.ExpectMessage(CFirView::kTooFewTapsQuestion, MessageResult::Yes);
    EXPECT_TRUE(editor.DoDesign(editor.numTaps));
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::None);
    EXPECT_EQ(editor.numTaps, 47);
    EXPECT_EQ(filter.GetNumPoints(), 47);
    EXPECT_TRUE(filter.IsDesigned());
    EXPECT_EQ(ui.WaitCursorDepth(), 0);
    EXPECT_GT(ui.WaitCursorUses(), 0);
}

TEST_F(FirViewTest, ZeroTapsWithThreeBandsCannotBeEstimatedAndAreRefused) {
    editor.filterKind = SimpleFilterKind::Bandpass;
    editor.edge1 = 0.1;
    editor.edge2 = 0.2;
    editor.centerFrequency = 0.25;
    editor.rippleDb = 0.5f;
    editor.attenuationDb = 40.0f;
    ui.ExpectMessage("Error: Cannot design FIR with less than 3 taps.");
    EXPECT_FALSE(editor.DoDesign(editor.numTaps));
    EXPECT_EQ(filter.GetNumPoints(), 0);
}

TEST_F(FirViewTest, DesignMissingItsSpecificationStillShowsTheResult) {
    FillLowpass();
    editor.numTaps = 11;
    ui.AllowUnscriptedMessages();  // the engine may report that it did not converge
    EXPECT_TRUE(editor.DoDesign(editor.numTaps));
    EXPECT_TRUE(filter.IsDesigned());
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(frames.Count(ViewKind::FrequencyResponse), 1u);
    EXPECT_EQ(ui.StatusTexts().back(), CFirView::kDesignFailedStatus);
    EXPECT_EQ(editor.ActualsCaption(), "Actuals - FAIL");
}

TEST_F(FirViewTest, OptimizeLeavesTheFormShowingTheLengthFound) {
    FillLowpass();
    ui.AllowUnscriptedMessages();  // the outcome box
    editor.OnOptimize();
    EXPECT_TRUE(filter.IsDesigned());
    EXPECT_TRUE(filter.MeetsSpec());
    EXPECT_EQ(editor.numTaps, filter.GetNumPoints());
}

TEST_F(FirViewTest, UpdatesAttachOnceAndWriteBackOnlyForTheirOwnFilter) {
    CFirData other;
    editor.OnUpdate(nullptr, hint::kDesignLoaded, &other);
    EXPECT_EQ(editor.FirData(), &filter);

    // A save of another data set does not read the form (whose zeros would be refused).
    editor.OnUpdate(nullptr, hint::kAboutToSave, &other);
    ui.ExpectMessage(COneBand::kNotPositiveMessage);
    editor.OnUpdate(nullptr, hint::kAboutToSave, &filter);

    filter.SetFrequencyUnits(CFreqUnits(48000.0, 0));
    editor.OnUpdate(nullptr, hint::kSampleRate, &filter);
    EXPECT_EQ(editor.FsCaption(), "48000.0 Hz");
}

// A specification that is refused part way must not leave the filter with only some of
// its bands: it keeps the one it had.
TEST_F(FirViewTest, RefusedRebuildLeavesThePreviousSpecification) {
    FillLowpass();
    editor.numTaps = 31;
    ASSERT_TRUE(editor.ControlsToSpec());
    ASSERT_EQ(filter.GetNumBands(), 2);

    CRspSpec bandEditor(document);
    bandEditor.OnUpdate(nullptr, hint::kDesignLoaded, &filter);
    bandEditor.numTaps = 99;
    ASSERT_EQ(bandEditor.Table().Size(), 2u);
    bandEditor.lowerEntry = "0.3";
    bandEditor.upperEntry = "0.2";  // reversed: inserted, then refused when read
    bandEditor.attnEntry = "40";
    ui.ExpectMessage(CRspSpec::kLowerNotBelowUpperMessage);
    bandEditor.OnAddClicked();
    EXPECT_EQ(filter.GetNumTaps(), 31);
    ASSERT_EQ(filter.GetNumBands(), 2);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(1), 0.15);
}

}  // namespace
}  // namespace tapwright
