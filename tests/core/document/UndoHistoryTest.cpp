#include "document/UndoHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/editors/EditorTestSupport.h"
#include "document/DocCommands.h"
#include "document/MinDbDlg.h"
#include "document/SampleRateDlg.h"
#include "editors/DataViewFormatDlg.h"
#include "fileio/FileAccess.h"
#include "platform/FileSystem.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

// A state told apart from others by its number of taps.
ProjectState StateWithTaps(std::int32_t taps) {
    ProjectState state;
    state.filter.SetSpecification(ResponseType::Filter, taps, 16);
    return state;
}

std::int32_t TapsOf(const ProjectState& state) {
    return state.filter.GetNumTaps();
}

TEST(CUndoHistoryTest, UndoAndRedoExchangeTheLiveStateWithTheStepsInTurn) {
    CUndoHistory history;
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.UndoName(), "");
    history.Record("Window", StateWithTaps(1));
    history.Record("Scale", StateWithTaps(2));
    ProjectState live = StateWithTaps(3);

    ASSERT_TRUE(history.Undo(live));
    EXPECT_EQ(TapsOf(live), 2);
    EXPECT_EQ(history.UndoName(), "Window");
    EXPECT_EQ(history.RedoName(), "Scale");
    ASSERT_TRUE(history.Undo(live));
    EXPECT_EQ(TapsOf(live), 1);
    EXPECT_FALSE(history.Undo(live));
    EXPECT_EQ(TapsOf(live), 1);

    ASSERT_TRUE(history.Redo(live));
    ASSERT_TRUE(history.Redo(live));
    EXPECT_EQ(TapsOf(live), 3);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoName(), "Scale");
}

TEST(CUndoHistoryTest, BoundDropsTheOldestStep) {
    CUndoHistory history(3);
    for (std::int32_t taps = 1; taps <= 4; ++taps) {
        history.Record("Step " + std::to_string(taps), StateWithTaps(taps));
    }
    EXPECT_EQ(history.UndoCount(), 3u);
    ProjectState live = StateWithTaps(5);
    while (history.Undo(live)) {
    }
    EXPECT_EQ(TapsOf(live), 2);  // the state before the first step is gone
    EXPECT_EQ(CUndoHistory().UndoCount(), 0u);
    EXPECT_GE(CUndoHistory::kDefaultLimit, 100u);
}

TEST(CUndoHistoryTest, NewStepClearsTheRedoSteps) {
    CUndoHistory history;
    history.Record("Window", StateWithTaps(1));
    history.Record("Scale", StateWithTaps(2));
    ProjectState live = StateWithTaps(3);
    history.Undo(live);
    history.Undo(live);
    ASSERT_EQ(history.RedoCount(), 2u);
    history.Record("Quantize", StateWithTaps(1));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoName(), "Quantize");
}

// ---- Every command of a project, undone and redone ---------------------------------------

class UndoCommandTest;

struct UndoCase {
    const char* step;
    TemplateId project;
    // Runs the command on a saved, unmodified project with complex taps.
    std::function<void(UndoCommandTest&)> run;
    // What the project needs before it is saved, when anything.
    std::function<void(UndoCommandTest&)> prepare = {};
    // A new response floor does not mark the project modified, done, undone or redone.
    bool marksModified = true;
};

void PrintTo(const UndoCase& undoCase, std::ostream* out) {
    *out << undoCase.step;
}

class UndoCommandTest : public testing::TestWithParam<UndoCase> {
public:
    UndoCommandTest() {
        app.Preferences().m_bDesignViewFreq = false;
        app.Preferences().m_bReadViewFreq = false;
        test::SetCoefficients(filter, {0.25, 0.5, 1.0, 0.5, 0.25}, {0.0, -0.125, 0.0, 0.125, 0.0});
        filter.SetFrequencyUnits(CFreqUnits(48000.0, 0));
    }

    void Execute(CommandId id) { EXPECT_TRUE(FirDocCommands().Execute(document, id)); }

    // The lowpass of a simple project's editor: 0.1 dB up to 0.1, 40 dB from 0.15, 31 taps.
    COneBand& SimpleLowpass() {
        COneBand& editor = *frames.All<COneBand>().front();
        editor.filterKind = SimpleFilterKind::Lowpass;
        editor.edge1 = 0.1;
        editor.edge2 = 0.15;
        editor.rippleDb = 0.1f;
        editor.attenuationDb = 40.0f;
        editor.numTaps = 31;
        return editor;
    }

    test::FakeUserInterface ui;
    test::EditorFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(GetParam().project);
    CFirData& filter = document.Filter();
    test::TempDir dir;
};

TEST_P(UndoCommandTest, UndoAndRedoGiveTheProjectFilesBeforeAndAfterByteForByte) {
    if (GetParam().prepare) {
        GetParam().prepare(*this);
    }
    ASSERT_TRUE(document.SaveTo(dir.File("project.twa"), StandardFileWriter()));
    const std::vector<std::uint8_t> before = document.WriteProject();
    const std::size_t steps = document.History().UndoCount();

    GetParam().run(*this);
    ASSERT_TRUE(document.History().CanUndo());
    EXPECT_EQ(document.History().UndoName(), GetParam().step);
    // A command run inside another (a scale after a design) joins its step.
    EXPECT_EQ(document.History().UndoCount(), steps + 1);
    const std::vector<std::uint8_t> after = document.WriteProject();
    ASSERT_NE(after, before);
    ASSERT_EQ(document.IsModified(), GetParam().marksModified);

    ASSERT_TRUE(FirDocCommands().Execute(document, kCmdUndo));
    EXPECT_EQ(document.WriteProject(), before);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(RedoMenuText(document), std::string("&Redo ") + GetParam().step + "\tCtrl+Y");

    ASSERT_TRUE(FirDocCommands().Execute(document, kCmdRedo));
    EXPECT_EQ(document.WriteProject(), after);
    EXPECT_EQ(document.IsModified(), GetParam().marksModified);
    EXPECT_FALSE(FirDocCommands().IsEnabled(document, kCmdRedo));
}

std::function<bool(CDataViewFormatDlg&)> ChooseFormat(const std::string& name) {
    return [name](CDataViewFormatDlg& dialog) {
        const auto& names = dialog.formats.names;
        dialog.OnFormatChanged(
            static_cast<std::int32_t>(std::find(names.begin(), names.end(), name) - names.begin()));
        return true;
    };
}

const UndoCase kCases[] = {
    {"Window", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CWindowDlg>([](CWindowDlg&) { return true; });
         t.Execute(kCmdWindowComplex);
     }},
    {"Scale", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CScaleDlg>([](CScaleDlg& dialog) {
             dialog.value = -6.0;
             return true;
         });
         t.Execute(kCmdScaleComplex);
     }},
    {"Quantize", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CQuantizeDlg>([](CQuantizeDlg& dialog) {
             dialog.bits = 3;
             return true;
         });
         t.Execute(kCmdQuantizeComplex);
     }},
    {"Fill With Constant", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CCombFill>([](CCombFill& dialog) {
             dialog.taps = 8;
             return true;
         });
         t.Execute(kCmdFillInphase);
     }},
    {"Fill With Sine", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectMessage("Generating Coefficients will overwrite all current data.");
         t.ui.ExpectDialog<CSineDlg>([](CSineDlg& dialog) {
             dialog.count = 12;
             dialog.mode = SineMode::Cycles;
             return true;
         });
         t.Execute(kCmdSineComplex);
     }},
    {"Mix", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CMixDlg>([](CMixDlg& dialog) {
             dialog.frequency = 6000.0f;
             return true;
         });
         t.Execute(kCmdMix);
     }},
    {"Copy Inphase to Quadrature", kTemplateAdvanced,
     [](UndoCommandTest& t) { t.Execute(kCmdCopyInphaseToQuadrature); }},
    {"Copy Quadrature to Inphase", kTemplateAdvanced,
     [](UndoCommandTest& t) { t.Execute(kCmdCopyQuadratureToInphase); }},
    {"Swap Inphase and Quadrature", kTemplateAdvanced,
     [](UndoCommandTest& t) { t.Execute(kCmdSwapChannels); }},
    {"Sampling Frequency", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CSampleRateDlg>([](CSampleRateDlg& dialog) {
             dialog.frequency = 44.1;
             dialog.unitIndex = 1;
             return true;
         });
         t.Execute(kCmdSamplingFrequency);
     }},
    {"Minimum dB",
     kTemplateAdvanced,
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CMinDbDlg>([](CMinDbDlg& dialog) {
             dialog.minDb = -80.0;
             return true;
         });
         t.Execute(kCmdMinimumDb);
     },
     {},
     false},
    {"Import Coefficients", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         const std::string path = t.dir.File("taps.txt");
         const std::string text = "0.125\n0.75\n0.125\n";
         test::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
         t.ui.ExpectMessage("Importing new coefficients will overwrite all current data.");
         t.ui.ExpectDialog<CDataFilesDlg>([path](CDataFilesDlg& dialog) {
             const auto& names = dialog.inphase.formats.names;
             CDataFilesDlg::OnFormatChanged(
                 dialog.inphase,
                 static_cast<std::int32_t>(std::find(names.begin(), names.end(), "Text:Decimal") -
                                           names.begin()));
             dialog.inphase.path = path;
             dialog.inphase.title = FileTitleOf(path);
             return true;
         });
         t.Execute(kCmdImportCoefficients);
     }},
    {"Design", kTemplateSimple,
     [](UndoCommandTest& t) {
         COneBand& editor = t.SimpleLowpass();
         EXPECT_TRUE(editor.DoDesign(editor.numTaps));
     },
     [](UndoCommandTest& t) { t.SimpleLowpass(); }},
    {"Design", kTemplateSimple,  // and the scale the preferences add to it
     [](UndoCommandTest& t) {
         t.app.Preferences().m_bScaleAfterDesign = true;
         t.ui.ExpectDialog<CScaleDlg>([](CScaleDlg& dialog) {
             dialog.value = -3.0;
             return true;
         });
         COneBand& editor = t.SimpleLowpass();
         EXPECT_TRUE(editor.DoDesign(editor.numTaps));
     },
     [](UndoCommandTest& t) { t.SimpleLowpass(); }},
    {"Optimize", kTemplateSimple,
     [](UndoCommandTest& t) {
         t.ui.AllowUnscriptedMessages();  // the outcome of the search
         t.SimpleLowpass().OnOptimize();
     },
     [](UndoCommandTest& t) { t.SimpleLowpass(); }},
    {"Edit Specification", kTemplateSimple,
     [](UndoCommandTest& t) {
         COneBand& editor = t.SimpleLowpass();
         editor.edge2 = 0.2;
         EXPECT_TRUE(editor.ControlsToSpec());
     },
     [](UndoCommandTest& t) { t.SimpleLowpass(); }},
    {"Update Filter From Editor", kTemplateAdvanced,
     [](UndoCommandTest& t) {
         CDataView& view = *t.frames.All<CDataView>().front();
         view.text = "0.5\r\n0.5\r\n";
         view.OnUpdateFilter();
     },
     [](UndoCommandTest& t) {
         t.ui.ExpectDialog<CDataViewFormatDlg>(ChooseFormat("Text:Decimal"));
         t.document.ViewCoefficients(ChannelSelection::Inphase);
     }},
};

INSTANTIATE_TEST_SUITE_P(Commands, UndoCommandTest, testing::ValuesIn(kCases));

// ---- The history of one project ------------------------------------------------------------

class FirDocUndoTest : public testing::Test {
protected:
    FirDocUndoTest() {
        test::SetCoefficients(filter, {0.25, 0.5, 0.25});
        document.SetModifiedFlag(false);
    }

    void Swap() { ASSERT_TRUE(FirDocCommands().Execute(document, kCmdSwapChannels)); }

    test::FakeUserInterface ui;
    test::EditorFrames frames;
    CFirApp app{frames};
    CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
    CFirData& filter = document.Filter();
};

TEST_F(FirDocUndoTest, EditMenuNamesTheStepAndIsEnabledOnlyWithOne) {
    EXPECT_FALSE(FirDocCommands().IsEnabled(document, kCmdUndo));
    EXPECT_FALSE(FirDocCommands().IsEnabled(document, kCmdRedo));
    EXPECT_EQ(UndoMenuText(document), "&Undo\tCtrl+Z");
    Swap();
    EXPECT_TRUE(FirDocCommands().IsEnabled(document, kCmdUndo));
    EXPECT_EQ(UndoMenuText(document), "&Undo Swap Inphase and Quadrature\tCtrl+Z");
    EXPECT_EQ(RedoMenuText(document), "&Redo\tCtrl+Y");
    EXPECT_EQ(FirDocCommands().Find(kCmdUndo)->menuPath, "&Edit");
}

TEST_F(FirDocUndoTest, CancelledOrRefusedCommandMakesNoStep) {
    ui.ExpectDialog<CQuantizeDlg>([](CQuantizeDlg&) { return false; });
    ASSERT_TRUE(FirDocCommands().Execute(document, kCmdQuantizeInphase));
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.Undo());
}

TEST_F(FirDocUndoTest, NewCommandAfterAnUndoClearsTheRedoSteps) {
    Swap();
    Swap();
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.History().CanRedo());
    ASSERT_TRUE(FirDocCommands().Execute(document, kCmdCopyInphaseToQuadrature));
    EXPECT_FALSE(document.History().CanRedo());
    EXPECT_EQ(document.History().UndoCount(), 2u);
}

TEST_F(FirDocUndoTest, ModifiedFlagFollowsTheSavedStateThroughTheHistory) {
    test::TempDir dir;
    Swap();
    ASSERT_TRUE(document.SaveTo(dir.File("p.twa"), StandardFileWriter()));
    Swap();
    ASSERT_TRUE(document.Undo());
    EXPECT_FALSE(document.IsModified());  // back at the saved state
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(document.IsModified());  // before it
    ASSERT_TRUE(document.Redo());
    EXPECT_FALSE(document.IsModified());
}

TEST_F(FirDocUndoTest, EveryViewHearsOfTheUndoAndPlotsOfAChangedSamplingFrequency) {
    document.ViewImpulseResponse(ImpulseDisplay::Inphase);
    ui.ExpectDialog<CSampleRateDlg>([](CSampleRateDlg& dialog) {
        dialog.frequency = 8000.0;
        return true;
    });
    ASSERT_TRUE(FirDocCommands().Execute(document, kCmdSamplingFrequency));
    auto* plot = dynamic_cast<test::TestView*>(document.GetViews().back());
    ASSERT_NE(plot, nullptr);
    plot->updates.clear();
    ASSERT_TRUE(document.Undo());
    ASSERT_EQ(plot->updates.size(), 2u);
    EXPECT_EQ(plot->updates[0].hint, hint::kSampleRate);
    EXPECT_EQ(plot->updates[1].hint, hint::kAnything);
    EXPECT_EQ(filter.GetFrequencyUnits().GetSampleRate(), 1.0);
}

}  // namespace
}  // namespace tapwright
