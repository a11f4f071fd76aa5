#include "gui/frames/WindowMenus.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include "document/FirDoc.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/ProjectCommands.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/ShellFixture.h"

namespace tapwright::test {
namespace {

using gui::FrameCommand;

class WindowMenusTest : public ShellTest {
protected:
    void SetUp() override {
        StartWithNewProject(NewProjectChoice::SimpleLowpass);
        project = desktop.App().Documents().front().get();
    }

    QStringList TitlesOfSubmenu(const QString& menu, const QString& submenu) {
        return ItemTexts(*Item(Menu(menu), submenu).menu());
    }

    CFirDoc* project = nullptr;
};

const QStringList kProjectFileItems = {
    "&New Project\tCtrl+N", "&Open Project...\tCtrl+O", "&Close Project",
    "&Save Project\tCtrl+S", "Save Project &As...",    "&Import Coefficients...",
    "&Export Coefficients...", "&Print...\tCtrl+P",    "Print Pre&view",
    "P&rint Setup...",      "E&xit"};

TEST_F(WindowMenusTest, SpecificationEditorShowsTheProjectMenus) {
    EXPECT_EQ(MenuTitles(),
              (QStringList{"&File", "&Edit", "Fi&lter", "&View", "&Window", "&Help"}));
    EXPECT_EQ(ItemTexts(Menu("&File")), kProjectFileItems);
    EXPECT_EQ(ItemTexts(Menu("Fi&lter")),
              (QStringList{"Sampling &Frequency...", "Minimum dB...", "Fill Filter With &Sine",
                           "W&indow Filter", "Fill Filter With &Constant", "&Scale Filter",
                           "&Quantize Filter", "Word &Length...", "Mix Complex Filter...",
                           "Copy &Inphase to Quadrature", "Copy &Quadrature to Inphase",
                           "S&wap Inphase and Quadrature", "Copy"}));
    for (const char* family : {"Fill Filter With &Sine", "W&indow Filter",
                               "Fill Filter With &Constant", "&Scale Filter", "&Quantize Filter"}) {
        EXPECT_EQ(TitlesOfSubmenu("Fi&lter", family),
                  (QStringList{"&Inphase...", "&Quadrature...", "&Complex..."}))
            << family;
    }
    EXPECT_EQ(ItemTexts(Menu("&View")),
              (QStringList{"&Specifications", "&Frequency Response", "&Impulse Response",
                           "&Coefficient Data", "&Toolbar", "Status &Bar", "&Preferences..."}));
    EXPECT_EQ(TitlesOfSubmenu("&View", "&Frequency Response"),
              (QStringList{"Magnitude", "Phase", "Unwrapped Phase", "Group Delay", "Phase Delay"}));
    EXPECT_EQ(ItemTexts(*Item(Menu("&View"), "&Frequency Response/Phase").menu()),
              (QStringList{"Inphase Filter", "Quadrature Filter", "I &And Q Filters",
                           "&Complex Filter"}));
    EXPECT_EQ(ItemTexts(Menu("&Window")),
              (QStringList{"&Cascade", "&Tile", "&Arrange Icons", "&1 Tapwright1"}));
    EXPECT_EQ(ItemTexts(Menu("&Help")), (QStringList{"&Help Topics", "&About Tapwright..."}));

    ASSERT_NE(NewProject(NewProjectChoice::Advanced), nullptr);
    EXPECT_EQ(Current()->Kind(), ViewKind::AdvancedEditor);
    EXPECT_EQ(MenuTitles(),
              (QStringList{"&File", "&Edit", "Fi&lter", "&View", "&Window", "&Help"}));
}

TEST_F(WindowMenusTest, PlotWindowsAddTheirPlotMenuAfterFilter) {
    project->ViewFrequencyResponse(ResponseDisplay::Magnitude, ChannelSelection::Inphase);
    ASSERT_EQ(Current()->Kind(), ViewKind::FrequencyResponse);
    EXPECT_EQ(MenuTitles(),
              (QStringList{"&File", "&Edit", "Fi&lter", "&Plot", "&View", "&Window", "&Help"}));
    EXPECT_EQ(ItemTexts(Menu("&Plot")).mid(0, 4),
              (QStringList{"Filter", "Response", "Style", "Axis"}));

    project->ViewImpulseResponse(ImpulseDisplay::Inphase);
    ASSERT_EQ(Current()->Kind(), ViewKind::Graph);
    EXPECT_EQ(MenuTitles(),
              (QStringList{"&File", "&Edit", "Fi&lter", "&Plot", "&View", "&Window", "&Help"}));
    EXPECT_EQ(ItemTexts(Menu("&Plot")).front(), "Type");
    EXPECT_EQ(TitlesOfSubmenu("&Plot", "Type"),
              (QStringList{"&Inphase Amplitude", "&Quadrature Amplitude", "I &And Q Amplitudes",
                           "Complex &Magnitude", "Complex &Phase", "P&olar (I vs. Q)"}));
    EXPECT_EQ(ItemTexts(Menu("&File")), kProjectFileItems);
}

TEST_F(WindowMenusTest, CoefficientEditorHasTheEditorMenuAndShorterResponseItems) {
    ModalScript user;
    user.Then([](QWidget& dialog) { PressButton(dialog, "OK"); });
    project->ViewCoefficients(ChannelSelection::Inphase);
    ASSERT_EQ(Current()->Kind(), ViewKind::CoefficientEditor);
    EXPECT_EQ(MenuTitles(),
              (QStringList{"&File", "&Edit", "Fi&lter", "&Editor", "&View", "&Window", "&Help"}));
    EXPECT_EQ(ItemTexts(Menu("&View")),
              (QStringList{"&Specifications", "&Frequency Response", "&Impulse Response",
                           "&Coefficient Data", "&Toolbar", "Status &Bar", "&Preferences..."}));
    EXPECT_EQ(TitlesOfSubmenu("&View", "&Frequency Response"),
              (QStringList{"&Inphase Magnitude", "&Quadrature Magnitude", "I &And Q Magnitudes",
                           "Complex &Magnitude", "Inphase Phase", "Quadrature Phase",
                           "Complex &Phase"}));

    // Back in the editor, the menus of the editor's kind return.
    Item(Menu("&Window"), "&1 Tapwright1:1").trigger();
    EXPECT_EQ(Current()->Kind(), ViewKind::SimpleEditor);
    EXPECT_EQ(MenuTitles(),
              (QStringList{"&File", "&Edit", "Fi&lter", "&View", "&Window", "&Help"}));
}

TEST_F(WindowMenusTest, ItemStatesFollowTheCommandTablesOfTheProject) {
    QMenu& filter = Menu("Fi&lter");
    EXPECT_FALSE(Item(filter, "W&indow Filter/&Inphase...").isEnabled());
    EXPECT_FALSE(Item(filter, "Mix Complex Filter...").isEnabled());
    EXPECT_FALSE(Item(Menu("&File"), "&Export Coefficients...").isEnabled());
    EXPECT_TRUE(Item(filter, "Fill Filter With &Sine/&Inphase...").isEnabled());
    EXPECT_FALSE(Frame().CommandAction(FrameCommand::Window)->isEnabled());
    EXPECT_FALSE(Item(Menu("&File"), "&Print...\tCtrl+P").isEnabled());

    project->Filter().FillConstant(16, 0.25, true, false);
    EXPECT_TRUE(Item(filter, "W&indow Filter/&Inphase...").isEnabled());
    EXPECT_FALSE(Item(filter, "W&indow Filter/&Quadrature...").isEnabled());
    EXPECT_TRUE(Item(Menu("&File"), "&Export Coefficients...").isEnabled());
    EXPECT_FALSE(Item(Menu("&View"), "&Frequency Response/Magnitude/&Complex Filter").isEnabled());
    emit Menu("&File").aboutToShow();
    EXPECT_TRUE(Frame().CommandAction(FrameCommand::Window)->isEnabled());

    project->Filter().SetReal(false);
    EXPECT_TRUE(Item(filter, "W&indow Filter/&Quadrature...").isEnabled());

    // An item runs its command on the project of the window the user works in.
    Item(Menu("&View"), "&Frequency Response/Magnitude/&Complex Filter").trigger();
    EXPECT_EQ(Current()->Kind(), ViewKind::FrequencyResponse);
    EXPECT_EQ(desktop.Frames().FramesOf(*project).size(), 2u);
    EXPECT_TRUE(Item(Menu("&File"), "&Print...\tCtrl+P").isEnabled());
}

TEST_F(WindowMenusTest, EditMenuNamesTheStepAndItsKeysUndoAndRedo) {
    QMenu& edit = Menu("&Edit");
    EXPECT_EQ(ItemTexts(edit), (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y"}));
    EXPECT_FALSE(Item(edit, "&Undo\tCtrl+Z").isEnabled());

    project->Filter().FillConstant(4, 0.25, true, false);
    Item(Menu("Fi&lter"), "S&wap Inphase and Quadrature").trigger();
    EXPECT_EQ(ItemTexts(edit),
              (QStringList{"&Undo Swap Inphase and Quadrature\tCtrl+Z", "&Redo\tCtrl+Y"}));
    EXPECT_TRUE(Item(edit, "&Undo Swap Inphase and Quadrature\tCtrl+Z").isEnabled());
    EXPECT_FALSE(Item(edit, "&Redo\tCtrl+Y").isEnabled());

    // The keys work without the menu being opened, while no text field takes them for its
    // own undo.
    if (QWidget* focus = QApplication::focusWidget()) {
        focus->clearFocus();
    }
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QWindow* window = Frame().windowHandle();
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project->Filter().Inphase().GetAt(0), 0.25);
    EXPECT_TRUE(project->History().CanRedo());
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(project->Filter().Inphase().GetAt(0), 0.0);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(project->History().CanRedo());  // nothing left to redo
    EXPECT_EQ(ItemTexts(edit).back(), "&Redo\tCtrl+Y");
}

TEST_F(WindowMenusTest, ToolBarButtonsActOnTheProjectOfTheActiveWindow) {
    project->Filter().FillConstant(16, 0.25, true, false);
    Frame().RefreshCommandStates();
    Frame().CommandAction(FrameCommand::ViewMagnitude)->trigger();
    ASSERT_EQ(Current()->Kind(), ViewKind::FrequencyResponse);

    Frame().CommandAction(FrameCommand::ViewEditor)->trigger();
    EXPECT_EQ(Current()->Kind(), ViewKind::SimpleEditor);
    EXPECT_EQ(desktop.Frames().FramesOf(*project).size(), 2u);
}

TEST_F(WindowMenusTest, ProjectFileMenuListsTheRecentFiles) {
    const QString path = SaveProjectFile("kept.tws", NewProjectChoice::SimpleLowpass);
    ASSERT_NE(desktop.Commands()->OpenProject(path), nullptr);
    const QStringList items = ItemTexts(Menu("&File"));
    ASSERT_EQ(items.size(), kProjectFileItems.size() + 1);
    EXPECT_EQ(items[items.size() - 2], "&1 " + path);
    EXPECT_EQ(items.back(), "E&xit");
}

TEST_F(WindowMenusTest, ArrangeIconsLinesUpMinimisedWindowsAlongTheBottom) {
    project->ViewFrequencyResponse(ResponseDisplay::Magnitude, ChannelSelection::Inphase);
    project->ViewImpulseResponse(ImpulseDisplay::Inphase);
    const std::vector<gui::ProjectFrame*> frames = desktop.Frames().FramesOf(*project);
    ASSERT_EQ(frames.size(), 3u);
    frames[0]->showMinimized();
    frames[2]->showMinimized();
    frames[2]->move(40, 40);

    Item(Menu("&Window"), "&Arrange Icons").trigger();
    const int bottom = Frame().MdiArea()->viewport()->height();
    EXPECT_EQ(frames[0]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(frames[2]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(frames[0]->x(), 0);
    EXPECT_GT(frames[2]->x(), frames[0]->geometry().right());
    EXPECT_FALSE(frames[1]->isMinimized());
}

}  // namespace
}  // namespace tapwright::test
