#include "document/WordLengthCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/document/DocumentTestSupport.h"
#include "document/DocCommands.h"
#include "document/WordLengthDlg.h"
#include "math/WordLengthSearch.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

// A simple project holding a designed lowpass: passband to 0.1 (0.5 dB), 50 dB from 0.15.
class WordLengthCommandTest : public ::testing::Test {
protected:
    WordLengthCommandTest() {
        app.Preferences().m_bDesignViewFreq = false;
        CFirData& filter = document.Filter();
        filter.SetSpecification(ResponseType::Filter, 0, 16);
        filter.AddBand(0.0, 0.1, 1.0, 0.5, false, true, false);
        filter.AddBand(0.15, 0.5, 0.0, 50.0, false, true, false);
        // The shortest length that meets the specification.
        taps = 30;
        while (!filter.DesignWithTaps(taps)) {
            ++taps;
        }
        filter.SetDesigned(true);
        document.SetModifiedFlag(false);
    }

    // Every update the editor has been sent so far.
    std::size_t Updates() const { return frames.Views(ViewKind::SimpleEditor).front()->updates.size(); }

    test::FakeUserInterface ui;
    test::TestFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    std::int32_t taps = 0;
};

TEST_F(WordLengthCommandTest, EnabledOnlyForADesignedFilterWithASpecification) {
    EXPECT_TRUE(FirDocCommands().IsEnabled(document, kCmdWordLength));
    document.Filter().SetDesigned(false);
    EXPECT_FALSE(FirDocCommands().IsEnabled(document, kCmdWordLength));
    document.Filter().SetDesigned(true);
    document.Filter().AllocateBands(CFirData::kDefaultBandCapacity);
    EXPECT_FALSE(FirDocCommands().IsEnabled(document, kCmdWordLength));
}

TEST_F(WordLengthCommandTest, CancelChangesNothing) {
    const std::vector<double> before = document.Filter().InphaseTaps();
    const std::size_t updates = Updates();
    ui.ExpectDialog<CWordLengthDlg>([](CWordLengthDlg& dialog) {
        dialog.chosen = 2;
        return false;
    });
    EXPECT_FALSE(FindWordLength(document));
    EXPECT_EQ(document.Filter().InphaseTaps(), before);
    EXPECT_EQ(document.Filter().GetNumTaps(), taps);
    EXPECT_EQ(document.Dialogs().quantize.bits, 16);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(Updates(), updates);
    EXPECT_GT(ui.WaitCursorUses(), 0);
}

TEST_F(WordLengthCommandTest, OkTakesTheChosenRowAndItsBits) {
    WordLengthRow chosen;
    ASSERT_TRUE(document.Filter().MeetsSpec());
    ui.ExpectDialog<CWordLengthDlg>([&chosen](CWordLengthDlg& dialog) {
        EXPECT_EQ(dialog.RowCount(), 5);
        EXPECT_EQ(dialog.chosen, 0);
        dialog.chosen = 3;
        chosen = dialog.ChosenRow();
        return dialog.OnOK();
    });
    const std::size_t updates = Updates();
    ASSERT_TRUE(FindWordLength(document));
    ASSERT_TRUE(chosen.bits.has_value());
    EXPECT_EQ(chosen.taps, taps + 3);
    EXPECT_EQ(document.Filter().GetNumTaps(), taps + 3);
    EXPECT_EQ(document.Filter().InphaseTaps(), WordsToTaps(chosen.integers, *chosen.bits));
    EXPECT_EQ(document.Dialogs().quantize.bits, *chosen.bits);
    EXPECT_TRUE(document.Filter().MeetsSpec());
    EXPECT_TRUE(document.IsModified());
    EXPECT_GT(Updates(), updates);
    // Progress went to the status line while the table was computed.
    bool progress = false;
    for (const std::string& text : ui.StatusTexts()) {
        progress = progress ||
                   text.rfind("Word length: " + std::to_string(taps + 2) + " taps, ", 0) == 0;
    }
    EXPECT_TRUE(progress);
    // Quantizing again with the remembered bits leaves the chosen words as they are.
    const std::vector<double> taken = document.Filter().InphaseTaps();
    ASSERT_TRUE(document.Filter().Quantize(document.Dialogs().quantize.bits, true, false));
    EXPECT_EQ(document.Filter().InphaseTaps(), taken);
}

TEST_F(WordLengthCommandTest, RowWithoutAWordLengthCannotBeChosen) {
    WordLengthRow found;
    found.taps = 40;
    found.bits = 12;
    found.bitsRounding = 13;
    found.integers.assign(40, 1);
    found.designMarginDb = 0.0125;
    WordLengthRow none;
    none.taps = 41;
    CWordLengthDlg dialog({found, none});
    EXPECT_EQ(dialog.RowTexts(0), (std::array<std::string, 4>{"40", "13", "12", "0.013"}));
    EXPECT_EQ(dialog.RowTexts(1), (std::array<std::string, 4>{"41", "-", "-", "-"}));
    dialog.chosen = 1;
    ui.ExpectMessage("No word length meets the specification with 41 taps.\nChoose another row.");
    EXPECT_FALSE(dialog.OnOK());
    dialog.chosen = 0;
    EXPECT_TRUE(dialog.OnOK());
    // The dialog opens on the first row that has a word length.
    EXPECT_EQ(CWordLengthDlg({none, found}).chosen, 1);
}

TEST_F(WordLengthCommandTest, SpecificationNoWordLengthMeetsIsReportedWithoutADialog) {
    // No quantized filter reaches 300 dB: the table is empty of word lengths.
    CFirData& filter = document.Filter();
    filter.SetSpecification(ResponseType::Filter, 0, 16);
    filter.AddBand(0.0, 0.1, 1.0, 0.5, false, true, false);
    filter.AddBand(0.15, 0.5, 0.0, 300.0, false, true, false);
    filter.DesignWithTaps(40);
    filter.SetDesigned(true);
    const std::vector<double> before = filter.InphaseTaps();
    ui.ExpectMessage(NoWordLengthMessage(kMaxWordBits));
    EXPECT_FALSE(FindWordLength(document));
    EXPECT_EQ(filter.InphaseTaps(), before);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(WordLengthCommandTest, SpecificationThatCannotBeDesignedIsRefusedOnce) {
    CFirData& filter = document.Filter();
    filter.AllocateBands(CFirData::kDefaultBandCapacity);
    filter.AddBand(0.0, 0.1, 1.0, 0.5, false, true, false);
    ui.ExpectMessage(
        "Error: Cannot design FIR with less than two bands.\n"
        "(At least one passband and one stopband is required.)");
    EXPECT_FALSE(FindWordLength(document));
    EXPECT_EQ(filter.GetNumTaps(), taps);
    EXPECT_FALSE(document.IsModified());
}

}  // namespace
}  // namespace tapwright
