#include "gui/frames/FramePlacement.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

#include "document/FirDoc.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/ShellFixture.h"

namespace tapwright::test {
namespace {

using gui::FramePlacement;

constexpr QSize kRoom(1200, 800);
constexpr int kStep = 20;

TEST(FramePlacementTest, NewFormGoesBesideTheCurrentWindowAtItsOwnSizeWhenItFits) {
    const FramePlacement placement(kRoom, kStep);
    const QRect editor(0, 0, 500, 400);
    EXPECT_EQ(placement.NewFrame(editor, QSize(600, 400)), QRect(500, 0, 600, 400));
    // No room to the right: below it.
    EXPECT_EQ(placement.NewFrame(editor, QSize(800, 350)), QRect(0, 400, 800, 350));
}

TEST(FramePlacementTest, PlotTakesTheRoomBesideOrBelowItsEditor) {
    const FramePlacement placement(kRoom, kStep);
    // 400 of 1200 pixels are free to the right of an 800-pixel form: a third is enough.
    EXPECT_EQ(placement.NewFrame(QRect(0, 0, 800, 500), QSize()), QRect(800, 0, 400, 500));
    // A form as wide as the area leaves the room below it.
    EXPECT_EQ(placement.NewFrame(QRect(0, 0, 1100, 450), QSize()), QRect(0, 450, 1100, 350));
}

// A window that would reach beyond the area is moved back in; only one larger than the
// whole area is made smaller.
TEST(FramePlacementTest, CascadedWindowsStayInsideTheArea) {
    const FramePlacement placement(kRoom, kStep);
    const QRect nearCorner(700, 500, 600, 400);
    const QRect placed = placement.NewFrame(nearCorner, QSize(600, 400));
    EXPECT_EQ(placed.size(), QSize(600, 400));
    EXPECT_TRUE(QRect(QPoint(0, 0), kRoom).contains(placed));

    EXPECT_EQ(placement.KeptInside(QRect(900, 700, 1500, 300)), QRect(0, 500, 1200, 300));
    for (int position = 0; position < 40; ++position) {
        const QRect cascaded = placement.Cascaded(position, QSize(700, 500));
        EXPECT_EQ(cascaded.size(), QSize(700, 500));
        EXPECT_TRUE(QRect(QPoint(0, 0), kRoom).contains(cascaded)) << position;
    }
    EXPECT_EQ(placement.Cascaded(1, QSize(700, 500)).topLeft(), QPoint(kStep, kStep));
}

class FramePlacementShellTest : public ShellTest {
protected:
    QRect AreaRect() const { return QRect(QPoint(0, 0), Frame().MdiArea()->viewport()->size()); }
    std::vector<gui::ProjectFrame*> Frames() const {
        std::vector<gui::ProjectFrame*> frames;
        for (QMdiSubWindow* window : Frame().MdiArea()->subWindowList()) {
            if (auto* frame = dynamic_cast<gui::ProjectFrame*>(window); frame && frame->isVisible()) {
                frames.push_back(frame);
            }
        }
        return frames;
    }
    static QSize Expected(const gui::ProjectFrame& frame, const QRect& area) {
        return frame.NaturalSize().boundedTo(area.size());
    }
};

TEST_F(FramePlacementShellTest, NewEditorsOpenInsideTheAreaAtTheirOwnSize) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    for (int i = 0; i < 3; ++i) {
        NewProject(NewProjectChoice::SimpleLowpass);
    }
    NewProject(NewProjectChoice::Advanced);
    ASSERT_EQ(Frames().size(), 5u);
    for (const gui::ProjectFrame* frame : Frames()) {
        EXPECT_TRUE(AreaRect().contains(frame->geometry())) << frame->windowTitle().toStdString();
        EXPECT_EQ(frame->size(), Expected(*frame, AreaRect()))
            << frame->windowTitle().toStdString();
    }
}

TEST_F(FramePlacementShellTest, CascadeKeepsEditorsAtTheirOwnSize) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    NewProject(NewProjectChoice::Advanced);
    desktop.App().Documents().front()->ViewFrequencyResponse(ResponseDisplay::Magnitude,
                                                             ChannelSelection::Inphase);
    Item(Menu("&Window"), "&Cascade").trigger();
    const std::vector<gui::ProjectFrame*> frames = Frames();
    ASSERT_EQ(frames.size(), 3u);
    for (const gui::ProjectFrame* frame : frames) {
        EXPECT_TRUE(AreaRect().contains(frame->geometry())) << frame->windowTitle().toStdString();
        if (frame->NaturalSize().isValid()) {
            EXPECT_EQ(frame->size(), Expected(*frame, AreaRect()))
                << frame->windowTitle().toStdString();
        }
    }
}

}  // namespace
}  // namespace tapwright::test
