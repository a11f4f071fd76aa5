#include <gtest/gtest.h>

#include <QMdiSubWindow>

#include "app/FirApp.h"
#include "document/FirDoc.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/QtFrameFactory.h"
#include "gui/frames/ShellFixture.h"
#include "gui/platform/CoreText.h"
#include "platform/FileSystem.h"

namespace tapwright::test {
namespace {

class ProjectWindowsTest : public ShellTest {};

TEST_F(ProjectWindowsTest, ThreeArrangedWindowsOpenAgainWhereTheyWereLeft) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    const QString path = SaveProjectFile("arranged.tws", NewProjectChoice::SimpleLowpass, true);
    CFirDoc* project = desktop.App().OpenDocument(gui::ToCoreString(path));
    ASSERT_NE(project, nullptr);
    project->ViewFrequencyResponse(ResponseDisplay::GroupDelay, ChannelSelection::Inphase);
    project->ViewImpulseResponse(ImpulseDisplay::Inphase);
    std::vector<gui::ProjectFrame*> frames = desktop.Frames().FramesOf(*project);
    ASSERT_EQ(frames.size(), 3u);
    const std::vector<QRect> arranged = {{5, 5, 300, 240}, {310, 5, 320, 260}, {5, 250, 400, 200}};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i]->setGeometry(arranged[i]);
    }
    ASSERT_TRUE(project->SaveTo(gui::ToCoreString(path), StandardFileWriter()));
    ASSERT_TRUE(desktop.App().CloseDocument(*project));

    project = desktop.App().OpenDocument(gui::ToCoreString(path));
    ASSERT_NE(project, nullptr);
    frames = desktop.Frames().FramesOf(*project);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0]->Kind(), ViewKind::SimpleEditor);
    EXPECT_EQ(frames[1]->Kind(), ViewKind::FrequencyResponse);
    EXPECT_EQ(frames[2]->Kind(), ViewKind::Graph);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i]->geometry(), arranged[i]) << "window " << i;
    }
    EXPECT_EQ(frames[1]->View().ReopenHint(),
              ResponseHint(ResponseDisplay::GroupDelay, ChannelSelection::Inphase));
    EXPECT_FALSE(project->IsModified());
}

TEST_F(ProjectWindowsTest, MaximisedAndMinimisedWindowsOpenAgainInTheirStates) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    const QString path = SaveProjectFile("states.tws", NewProjectChoice::SimpleLowpass, true);
    CFirDoc* project = desktop.App().OpenDocument(gui::ToCoreString(path));
    ASSERT_NE(project, nullptr);
    project->ViewImpulseResponse(ImpulseDisplay::Inphase);
    project->ViewFrequencyResponse(ResponseDisplay::GroupDelay, ChannelSelection::Inphase);
    std::vector<gui::ProjectFrame*> frames = desktop.Frames().FramesOf(*project);
    ASSERT_EQ(frames.size(), 3u);
    const std::vector<QRect> arranged = {{5, 5, 300, 240}, {310, 5, 320, 260}, {5, 250, 400, 200}};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i]->setGeometry(arranged[i]);
    }
    frames[1]->showMinimized();
    frames[2]->showMaximized();
    ASSERT_TRUE(project->SaveTo(gui::ToCoreString(path), StandardFileWriter()));
    ASSERT_TRUE(desktop.App().CloseDocument(*project));

    project = desktop.App().OpenDocument(gui::ToCoreString(path));
    ASSERT_NE(project, nullptr);
    frames = desktop.Frames().FramesOf(*project);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_FALSE(frames[0]->isMaximized() || frames[0]->isMinimized());
    EXPECT_TRUE(frames[1]->isMinimized());
    EXPECT_TRUE(frames[2]->isMaximized());
    EXPECT_EQ(frames[0]->geometry(), arranged[0]);
    // Each keeps the place it had before it was minimised or maximised, and the maximised one
    // returns to it.
    const auto place = [this](const gui::ProjectFrame& frame) {
        const Rect rect = desktop.Frames().FrameRect(frame.View()).value_or(Rect{});
        return QRect(rect.left, rect.top, rect.Width(), rect.Height());
    };
    EXPECT_EQ(place(*frames[1]), arranged[1]);
    EXPECT_EQ(place(*frames[2]), arranged[2]);
    frames[2]->showNormal();
    EXPECT_EQ(frames[2]->geometry(), arranged[2]);
    EXPECT_FALSE(project->IsModified());
}

}  // namespace
}  // namespace tapwright::test
