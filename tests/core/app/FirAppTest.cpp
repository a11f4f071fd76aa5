#include "app/FirApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/DocumentTestSupport.h"
#include "document/FirDoc.h"
#include "platform/FileDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

class FirAppTest : public ::testing::Test {
protected:
    // Answers the New Project dialog with the choice, checking what it offered first.
    void ChooseNewProject(NewProjectChoice choice, NewProjectChoice expectedPreselection) {
        ui.ExpectDialog<CNewProjectDlg>([=](CNewProjectDlg& dialog) {
            EXPECT_EQ(dialog.choice, expectedPreselection);
            dialog.choice = choice;
            return true;
        });
    }

    // A project file holding a filter with coefficients, as a save writes it.
    std::string SavedProject(const std::string& name) {
        test::TestFrames otherFrames;
        CFirApp other(otherFrames);
        CFirDoc& document = *other.NewDocument(kTemplateSimple);
        document.Filter().FillConstant(4, 0.25, true, false);
        const std::string path = dir.File(name);
        test::WriteBytes(path, document.WriteProject());
        return path;
    }

    test::FakeUserInterface ui;
    test::TestFrames frames;
    CFirApp app{frames};
    test::TempDir dir;
};

TEST_F(FirAppTest, NewProjectRemembersTheChoiceAndOnlySimpleChoicesSetTheKind) {
    ChooseNewProject(NewProjectChoice::SimpleBandstop, NewProjectChoice::SimpleLowpass);
    const CFirDoc* simple = app.OnNewProject();
    ASSERT_NE(simple, nullptr);
    EXPECT_FALSE(simple->IsAdvanced());
    EXPECT_EQ(app.Preferences().GetSimpleFilterKind(), SimpleFilterKind::Bandstop);

    ChooseNewProject(NewProjectChoice::Advanced, NewProjectChoice::SimpleBandstop);
    const CFirDoc* advanced = app.OnNewProject();
    ASSERT_NE(advanced, nullptr);
    EXPECT_TRUE(advanced->IsAdvanced());
    EXPECT_EQ(app.Preferences().GetSimpleFilterKind(), SimpleFilterKind::Bandstop);
    EXPECT_EQ(frames.Views(ViewKind::AdvancedEditor).size(), 1u);

    ui.ExpectDialog<CNewProjectDlg>([](CNewProjectDlg& dialog) {
        EXPECT_EQ(dialog.choice, NewProjectChoice::Advanced);
        return false;
    });
    EXPECT_EQ(app.OnNewProject(), nullptr);
    EXPECT_EQ(app.Documents().size(), 2u);
}

// Both kinds of project are called "Tapwright", so each number is given once whatever the
// kind.
TEST_F(FirAppTest, UntitledProjectsOfBothKindsGetNamesOfTheirOwn) {
    EXPECT_EQ(app.NewDocument(kTemplateSimple)->GetTitle(), "Tapwright1");
    EXPECT_EQ(app.NewDocument(kTemplateAdvanced)->GetTitle(), "Tapwright2");
    EXPECT_EQ(app.NewDocument(kTemplateSimple)->GetTitle(), "Tapwright3");
}

TEST_F(FirAppTest, NoProjectIsKeptWithoutAWindow) {
    frames.refuseFrames = true;
    EXPECT_EQ(app.NewDocument(kTemplateSimple), nullptr);
    EXPECT_TRUE(app.Documents().empty());
}

TEST_F(FirAppTest, TheExtensionChoosesTheEditor) {
    const std::string advancedPath = SavedProject("design.twa");
    const std::string simplePath = SavedProject("design.tws");
    const CFirDoc* advanced = app.OpenDocument(advancedPath);
    ASSERT_NE(advanced, nullptr);
    EXPECT_TRUE(advanced->IsAdvanced());
    EXPECT_EQ(advanced->GetTitle(), "design.twa");
    const CFirDoc* simple = app.OpenDocument(simplePath);
    ASSERT_NE(simple, nullptr);
    EXPECT_FALSE(simple->IsAdvanced());
    EXPECT_EQ(frames.Views(ViewKind::SimpleEditor).front()->updates.back().hint,
              hint::kDesignLoaded);
}

TEST_F(FirAppTest, OpeningAProjectClosesTheEmptyStartUpProjectOnly) {
    app.NewDocument(kTemplateSimple);
    CFirDoc& used = *app.NewDocument(kTemplateAdvanced);
    used.Filter().FillConstant(4, 0.25, true, false);
    const CFirDoc* opened = app.OpenDocument(SavedProject("design.tws"));
    ASSERT_EQ(app.Documents().size(), 2u);
    EXPECT_EQ(app.Documents()[0].get(), &used);
    EXPECT_EQ(app.Documents()[1].get(), opened);
    EXPECT_EQ(frames.Count(), 2u);
}

TEST_F(FirAppTest, OpeningAnOpenProjectAgainBringsItToTheTop) {
    const std::string path = SavedProject("design.twa");
    const CFirDoc* first = app.OpenDocument(path);
    EXPECT_EQ(app.OpenDocument(dir.Path().string() + "/./design.twa"), first);
    EXPECT_EQ(app.Documents().size(), 1u);
    EXPECT_EQ(frames.activated.size(), 1u);
}

TEST_F(FirAppTest, MissingFileOpensNothing) {
    const std::string path = dir.File("none.twa");
    ui.ExpectMessage("Cannot open file \"" + path + "\".\nNo such file or directory.");
    EXPECT_EQ(app.OpenDocument(path), nullptr);
    EXPECT_TRUE(app.Documents().empty());
}

TEST_F(FirAppTest, OpenProjectOffersBothProjectKinds) {
    const std::string path = SavedProject("design.twa");
    ui.ExpectDialog<CFileDlg>([&path](CFileDlg& dialog) {
        EXPECT_EQ(dialog.mode, FileDlgMode::Open);
        EXPECT_TRUE(dialog.fileMustExist);
        EXPECT_EQ(dialog.filters.size(), 4u);
        // The first filter, the one the dialog starts with, shows both kinds.
        EXPECT_EQ(dialog.filters[0].pattern, "*.tws;*.twa");
        EXPECT_EQ(dialog.filters[1].pattern, "*.tws");
        EXPECT_EQ(dialog.filters[2].pattern, "*.twa");
        dialog.chosenPath = path;
        return true;
    });
    EXPECT_NE(app.OnOpenProject(), nullptr);
}

TEST_F(FirAppTest, ClosingAModifiedProjectAsksFirst) {
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    document.SetModifiedFlag();
    const std::string question = "Save changes to Tapwright1?";

    ui.ExpectMessage(question, MessageResult::Cancel);
    EXPECT_FALSE(app.CloseDocument(document));
    EXPECT_EQ(ui.Messages().back().buttons, MessageButtons::YesNoCancel);
    ASSERT_EQ(app.Documents().size(), 1u);

    // Yes without a file name goes through Save As; cancelling that keeps the project.
    ui.ExpectMessage(question, MessageResult::Yes);
    ui.ExpectDialog<CFileDlg>([](CFileDlg&) { return false; });
    EXPECT_FALSE(app.CloseDocument(document));
    ASSERT_EQ(app.Documents().size(), 1u);

    ui.ExpectMessage(question, MessageResult::No);
    EXPECT_TRUE(app.CloseDocument(document));
    EXPECT_TRUE(app.Documents().empty());
    EXPECT_EQ(frames.Count(), 0u);
}

TEST_F(FirAppTest, OnlyTheLastWindowOfAModifiedProjectAsks) {
    app.Preferences().m_bDesignViewFreq = true;
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    document.Filter().FillConstant(4, 0.25, true, false);
    document.ShowAfterDesign();
    CView& plot = *frames.Views(ViewKind::FrequencyResponse).front();
    CView& editor = *frames.Views(ViewKind::SimpleEditor).front();
    EXPECT_TRUE(app.CloseFrame(plot));
    EXPECT_EQ(document.GetViews().size(), 1u);

    const std::string path = dir.File("kept.tws");
    ui.ExpectMessage("Save changes to Tapwright1?", MessageResult::Yes);
    ui.ExpectDialog<CFileDlg>([&path](CFileDlg& dialog) {
        dialog.chosenPath = path;
        return true;
    });
    EXPECT_TRUE(app.CloseFrame(editor));
    EXPECT_TRUE(app.Documents().empty());
    EXPECT_FALSE(test::ReadBytes(path).empty());
}

TEST_F(FirAppTest, CancelAtExitKeepsEveryProject) {
    app.NewDocument(kTemplateSimple)->SetModifiedFlag();
    app.NewDocument(kTemplateSimple);
    ui.ExpectMessage("Save changes to Tapwright1?", MessageResult::Cancel);
    EXPECT_FALSE(app.CloseAllDocuments());
    EXPECT_EQ(app.Documents().size(), 2u);
    ui.ExpectMessage("Save changes to Tapwright1?", MessageResult::No);
    EXPECT_TRUE(app.CloseAllDocuments());
    EXPECT_TRUE(app.Documents().empty());
}

}  // namespace
}  // namespace tapwright
