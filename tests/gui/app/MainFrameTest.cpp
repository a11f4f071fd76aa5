#include "gui/app/MainFrame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include <set>

#include "data/Preferences.h"
#include "gui/GuiTestSupport.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/LockKeyPanes.h"
#include "platform/SettingsStore.h"

namespace tapwright {
namespace {

using gui::FrameCommand;
using gui::MainFrame;

class FakeTarget : public gui::FrameCommandTarget {
public:
    bool IsEnabled(FrameCommand command) const override { return enabled.contains(command); }
    void Execute(FrameCommand command) override { executed.push_back(command); }
    bool OpenProjectFile(const QString& path) override {
        opened << path;
        return openSucceeds;
    }

    std::set<FrameCommand> enabled;
    std::vector<FrameCommand> executed;
    QStringList opened;
    bool openSucceeds = true;
};

// The texts of a menu's items, separators left out.
QStringList ItemTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isVisible()) {
            texts << action->text();
        }
    }
    return texts;
}

class MainFrameTest : public testing::Test {
protected:
    MainFrameTest() {
        frame.resize(900, 600);
        frame.show();
        // Keys reach the frame's shortcuts only while it is the active window.
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    }

    QMenu& Menu(int index) const { return *frame.menuBar()->actions().at(index)->menu(); }

    QAction& Entry(int menu, const QString& text) const {
        for (QAction* action : Menu(menu).actions()) {
            if (action->text() == text) {
                return *action;
            }
        }
        ADD_FAILURE() << "no item " << text.toStdString();
        return *Menu(menu).actions().front();
    }

    MemorySettingsStore settings;
    CPreferences preferences;
    MainFrame frame{settings, preferences};
};

TEST_F(MainFrameTest, ToolBarHasTheButtonsInOrderWithTheirTipsAndPictures) {
    QStringList tips;
    for (const QAction* action : frame.ToolBar()->actions()) {
        tips << (action->isSeparator() ? QString("|") : action->toolTip());
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(tips, (QStringList{"New Project",
                                 "Open Project",
                                 "Save Project",
                                 "|",
                                 "Set Sampling Frequency",
                                 "Fill With Sine",
                                 "Window",
                                 "Scale",
                                 "Quantize",
                                 "Mix",
                                 "|",
                                 "View Editor",
                                 "View Magnitude",
                                 "View Impulse",
                                 "View Coefficients",
                                 "|",
                                 "Cut",
                                 "Copy",
                                 "Paste",
                                 "|",
                                 "Print",
                                 "Help"}));
    EXPECT_EQ(frame.CommandAction(FrameCommand::FillSine)->statusTip(),
              "Fill Real and Imaginary filter coefficients with a complex sine");
    EXPECT_EQ(frame.CommandAction(FrameCommand::ViewImpulse)->statusTip(),
              "View filter impulse response magnitude");
    EXPECT_TRUE(frame.ToolBar()->isMovable());
    EXPECT_EQ(frame.toolBarArea(frame.ToolBar()), Qt::TopToolBarArea);
}

TEST_F(MainFrameTest, ProjectCommandsWaitForTheirTargetAndFollowIt) {
    for (const gui::ToolButton& button : gui::ToolButtons()) {
        EXPECT_EQ(frame.CommandAction(button.command)->isEnabled(),
                  button.command == FrameCommand::ContextHelp);
    }
    FakeTarget target;
    target.enabled = {FrameCommand::Scale, FrameCommand::SaveProject};
    frame.SetCommandTarget(&target);
    EXPECT_TRUE(frame.CommandAction(FrameCommand::Scale)->isEnabled());
    EXPECT_FALSE(frame.CommandAction(FrameCommand::Window)->isEnabled());

    frame.CommandAction(FrameCommand::Scale)->trigger();
    QTest::keyClick(frame.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(target.executed,
              (std::vector<FrameCommand>{FrameCommand::Scale, FrameCommand::SaveProject}));

    target.enabled.clear();
    frame.RefreshCommandStates();
    EXPECT_FALSE(frame.CommandAction(FrameCommand::Scale)->isEnabled());
    frame.SetCommandTarget(nullptr);
}

TEST_F(MainFrameTest, MenuBarWithoutAProjectHasTheFrameCommands) {
    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&View", "&Help"}));
    EXPECT_EQ(ItemTexts(Menu(0)),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "P&rint Setup...", "E&xit"}));
    EXPECT_EQ(ItemTexts(Menu(1)), (QStringList{"&Toolbar", "&Status Bar", "&Preferences..."}));
    EXPECT_EQ(ItemTexts(Menu(2)), (QStringList{"&Help Topics", "&About Tapwright..."}));

    Entry(1, "&Toolbar").trigger();
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    Entry(1, "&Toolbar").trigger();
    EXPECT_TRUE(frame.ToolBar()->isVisible());
}

TEST_F(MainFrameTest, MenuPromptsGoToTheMessagePaneAndEndInTheIdleText) {
    QLabel* pane = frame.MessagePane();
    EXPECT_EQ(pane->text(), "For Help, press F1");
    pane->setText("Design succeeded, with a margin of 1.250 dB.");

    QStatusTipEvent prompt("Open an existing project");
    QApplication::sendEvent(&frame, &prompt);
    EXPECT_EQ(pane->text(), "Open an existing project");
    EXPECT_TRUE(pane->isVisible());
    QStatusTipEvent promptEnds("");
    QApplication::sendEvent(&frame, &promptEnds);
    EXPECT_EQ(pane->text(), "For Help, press F1");
}

// A pane that showed a guess would mislead. Where the platform cannot tell the lock states
// (the offscreen platform of the tests, for one) no pane is shown, whatever keys are
// pressed; on X11 the CAP and NUM panes stand right of the messages. Scroll Lock is never
// told.
TEST_F(MainFrameTest, LockKeyPanesShowOnlyStatesThePlatformTells) {
    using Lock = gui::LockKeyPanes::Lock;
    const gui::LockKeyPanes& locks = frame.LockPanes();
    EXPECT_EQ(locks.Pane(Lock::Scroll), nullptr);
    if (QGuiApplication::platformName() != "xcb") {
        QTest::keyClick(frame.windowHandle(), Qt::Key_CapsLock);
        EXPECT_EQ(locks.Pane(Lock::Caps), nullptr);
        EXPECT_EQ(locks.Pane(Lock::Num), nullptr);
        EXPECT_TRUE(frame.statusBar()->findChildren<QLabel*>("capPane").isEmpty());
        return;
    }
    ASSERT_NE(locks.Pane(Lock::Caps), nullptr);
    ASSERT_NE(locks.Pane(Lock::Num), nullptr);
    EXPECT_GT(locks.Pane(Lock::Caps)->x(), frame.MessagePane()->x());
    EXPECT_LT(locks.Pane(Lock::Caps)->x(), locks.Pane(Lock::Num)->x());
}

TEST_F(MainFrameTest, RecentFilesListSixNewestFirstAndDropOnesThatFailToOpen) {
    FakeTarget target;
    frame.SetCommandTarget(&target);
    for (int i = 1; i <= 7; ++i) {
        frame.AddRecentFile(QString("/projects/filter%1.twa").arg(i));
    }
    frame.AddRecentFile("/projects/filter3.twa");
    EXPECT_EQ(ItemTexts(Menu(0)),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "P&rint Setup...",
                           "&1 /projects/filter3.twa", "&2 /projects/filter7.twa",
                           "&3 /projects/filter6.twa", "&4 /projects/filter5.twa",
                           "&5 /projects/filter4.twa", "&6 /projects/filter2.twa", "E&xit"}));
    EXPECT_EQ(settings.GetText("Recent File List", "File1", ""), "/projects/filter3.twa");
    EXPECT_EQ(settings.GetText("Recent File List", "File6", ""), "/projects/filter2.twa");

    target.openSucceeds = false;
    Entry(0, "&1 /projects/filter3.twa").trigger();
    EXPECT_EQ(target.opened, QStringList{"/projects/filter3.twa"});
    EXPECT_EQ(frame.RecentFiles().Entries().size(), 5u);
    EXPECT_EQ(settings.GetText("Recent File List", "File1", ""), "/projects/filter7.twa");
    EXPECT_EQ(settings.GetText("Recent File List", "File6", "gone"), "");

    // The list is there again at the next start.
    MainFrame next(settings, preferences);
    EXPECT_EQ(next.RecentFiles().Entries(), frame.RecentFiles().Entries());
    frame.SetCommandTarget(nullptr);
}

TEST_F(MainFrameTest, DroppedFilesAreOpenedAsProjects) {
    FakeTarget target;
    frame.SetCommandTarget(&target);
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile("/projects/lowpass.tws"),
                     QUrl("https://example.org/not-a-file.twa"),
                     QUrl::fromLocalFile("/projects/band stop.twa")});
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    // Straight to the frame: the application passes drops on only while a drag it runs is
    // in progress.
    static_cast<QObject&>(frame).event(&drop);
    EXPECT_EQ(target.opened, (QStringList{"/projects/lowpass.tws", "/projects/band stop.twa"}));
    frame.SetCommandTarget(nullptr);
}

TEST_F(MainFrameTest, HelpTopicsShowTheContentsAndEveryLinkedPageExists) {
    QTest::keyClick(frame.windowHandle(), Qt::Key_F1);
    gui::HelpViewer* help = frame.Help();
    ASSERT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Tapwright Help");
    QTextBrowser* browser = help->Browser();
    EXPECT_EQ(browser->source(), QUrl(gui::HelpViewer::kContentsPage));

    std::set<QString> visited;
    std::vector<QUrl> toVisit{browser->source()};
    while (!toVisit.empty()) {
        const QUrl page = toVisit.back();
        toVisit.pop_back();
        if (!visited.insert(page.toString()).second) {
            continue;
        }
        browser->setSource(page);
        ASSERT_FALSE(browser->documentTitle().isEmpty()) << page.toString().toStdString();
        const QString html = browser->toHtml();
        for (qsizetype at = html.indexOf("href=\""); at >= 0;
             at = html.indexOf("href=\"", at + 1)) {
            const qsizetype end = html.indexOf('"', at + 6);
            const QString target = html.mid(at + 6, end - at - 6);
            if (!target.endsWith(".css")) {
                toVisit.push_back(page.resolved(QUrl(target)));
            }
        }
    }
    EXPECT_EQ(visited.size(), 7u);
    help->close();
}

TEST_F(MainFrameTest, AboutBoxShowsThePictureAndClosesWithOk) {
    test::ModalScript user;
    user.Then([](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), "About Tapwright");
        const auto* picture = box.findChild<QLabel*>("aboutPicture");
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_TRUE(box.findChild<QLabel*>("aboutText")->text().contains(TAPWRIGHT_VERSION));
        test::PressButton(box, "OK");
    });
    frame.ShowAbout();
    EXPECT_EQ(user.WindowsSeen(), 1);
}

}  // namespace
}  // namespace tapwright
