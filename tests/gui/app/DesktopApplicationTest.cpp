#include "gui/app/DesktopApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QRadioButton>
#include <QTableWidget>
#include <QUrl>

#include "document/FirDoc.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/ProjectCommands.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/ShellFixture.h"
#include "gui/widgets/NumberField.h"
#include "platform/FileDlg.h"

namespace tapwright::test {
namespace {

QString CheckedRadio(const QWidget& window) {
    for (const QRadioButton* radio : window.findChildren<QRadioButton*>()) {
        if (radio->isChecked()) {
            return radio->text();
        }
    }
    return {};
}

// Answers every file dialog with one path, keeping the file types it offered.
class FileChooser final : public gui::QtUserInterface {
public:
    explicit FileChooser(QString path) : path_(std::move(path)) {}
    using gui::QtUserInterface::Run;
    bool Run(CFileDlg& dialog) override {
        offered = dialog.filters;
        dialog.chosenPath = path_.toStdString();
        return true;
    }
    std::vector<FileFilter> offered;

private:
    QString path_;
};

using DesktopApplicationTest = ShellTest;

TEST_F(DesktopApplicationTest, FirstStartAsksForANewProjectWithSimpleLowpassChosen) {
    ModalScript user;
    user.Then([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "New FIR Filter Design Project");
        QStringList captions;
        for (const QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
            captions << radio->text();
        }
        EXPECT_EQ(captions, (QStringList{"Simple Lowpass", "Simple Highpass", "Simple Bandpass",
                                         "Simple Bandstop", "Advanced"}));
        EXPECT_EQ(CheckedRadio(dialog), "Simple Lowpass");
        PressButton(dialog, "OK");
    });
    ASSERT_TRUE(desktop.Start({}));

    EXPECT_TRUE(Frame().isMaximized());
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(Current()->Kind(), ViewKind::SimpleEditor);
    EXPECT_EQ(Current()->windowTitle(), "Tapwright1");
    EXPECT_EQ(CheckedRadio(CurrentWidget()), "Lowpass");
}

TEST_F(DesktopApplicationTest, CancelledFirstNewProjectLeavesTheFrameWithoutAProject) {
    ModalScript user;
    user.Then([](QWidget& dialog) { PressButton(dialog, "Cancel"); });
    ASSERT_TRUE(desktop.Start({}));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(desktop.App().Documents().empty());
    EXPECT_EQ(MenuTitles(), (QStringList{"&File", "&View", "&Help"}));
}

TEST_F(DesktopApplicationTest, SimpleBandstopThenAdvancedKeepsTheRecordedKindAtBandstop) {
    StartWithNewProject(NewProjectChoice::SimpleBandstop);
    EXPECT_EQ(desktop.App().Preferences().GetSimpleFilterKind(), SimpleFilterKind::Bandstop);
    EXPECT_EQ(CheckedRadio(CurrentWidget()), "Bandstop");

    ModalScript user;
    user.Then([](QWidget& dialog) {
        EXPECT_EQ(CheckedRadio(dialog), "Simple Bandstop");
        Choose(dialog, "Advanced");
        PressButton(dialog, "OK");
    });
    ASSERT_NE(desktop.Commands()->NewProject(), nullptr);
    EXPECT_EQ(Current()->Kind(), ViewKind::AdvancedEditor);
    EXPECT_EQ(desktop.App().Preferences().GetSimpleFilterKind(), SimpleFilterKind::Bandstop);
}

TEST_F(DesktopApplicationTest, AdvancedProjectOnTheCommandLineOpensWithoutNewProject) {
    const QString path = SaveProjectFile("design.twa", NewProjectChoice::Advanced);
    ModalCounter modals;
    ASSERT_TRUE(desktop.Start({"-style=fusion", path}));
    EXPECT_EQ(modals.Count(), 0);

    ASSERT_EQ(desktop.App().Documents().size(), 1u);
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(Current()->Kind(), ViewKind::AdvancedEditor);
    EXPECT_EQ(Current()->windowTitle(), "design.twa");
    EXPECT_EQ(CurrentWidget().findChild<QTableWidget*>("bandTable")->rowCount(), 2);
    EXPECT_EQ(Frame().RecentFiles().Entries().front(), path.toStdString());
}

std::vector<ViewKind> WindowKinds(gui::MainFrame& frame) {
    std::vector<ViewKind> kinds;
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList()) {
        kinds.push_back(static_cast<gui::ProjectFrame*>(window)->Kind());
    }
    return kinds;
}

TEST_F(DesktopApplicationTest, ResponseOptionShowsADesignedProjectsResponseBesideItsEditor) {
    const QString designed = SaveProjectFile("designed.twa", NewProjectChoice::Advanced, true);
    ASSERT_TRUE(desktop.Start({designed, gui::DesktopApplication::kShowResponseOption}));
    EXPECT_EQ(WindowKinds(Frame()),
              (std::vector<ViewKind>{ViewKind::AdvancedEditor, ViewKind::FrequencyResponse}));
}

TEST_F(DesktopApplicationTest, ResponseOptionOpensNothingMoreForAProjectWithoutCoefficients) {
    const QString blank = SaveProjectFile("blank.twa", NewProjectChoice::Advanced);
    ASSERT_TRUE(desktop.Start({gui::DesktopApplication::kShowResponseOption, blank}));
    EXPECT_EQ(WindowKinds(Frame()), (std::vector<ViewKind>{ViewKind::AdvancedEditor}));
}

TEST_F(DesktopApplicationTest, UnreadableProjectOnTheCommandLineEndsTheStartAfterItsMessage) {
    const QString path = directory.filePath("broken.twa");
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x05");  // half of a version number
    broken.close();

    ModalScript user;
    user.Then([](QWidget& box) {
        const QString text = box.findChild<QLabel*>("qt_msgbox_label")->text();
        EXPECT_TRUE(text.startsWith("Cannot open the project")) << text.toStdString();
        PressButton(box, "OK");
    });
    EXPECT_FALSE(desktop.Start({path}));
    EXPECT_TRUE(desktop.App().Documents().empty());
    EXPECT_TRUE(Frame().RecentFiles().Entries().empty());
}

TEST_F(DesktopApplicationTest, DroppedSimpleProjectOpensInTheSimpleEditorAndReplacesTheEmptyOne) {
    StartWithNewProject(NewProjectChoice::Advanced);
    const QString path = SaveProjectFile("lowpass.tws", NewProjectChoice::SimpleLowpass);

    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(Frame()).event(&drop);

    ASSERT_EQ(desktop.App().Documents().size(), 1u);
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(Current()->Kind(), ViewKind::SimpleEditor);
    EXPECT_EQ(Current()->windowTitle(), "lowpass.tws");
    EXPECT_EQ(CheckedRadio(CurrentWidget()), "Lowpass");
    EXPECT_EQ(CurrentWidget().findChild<gui::DoubleField*>("edge1")->Value(), 0.1);
    EXPECT_EQ(CurrentWidget().findChild<gui::DoubleField*>("edge2")->Value(), 0.2);
    EXPECT_EQ(Frame().MdiArea()->subWindowList().size(), 1);
}

TEST_F(DesktopApplicationTest, LastWindowOfAModifiedProjectClosesOnlyAfterTheQuestion) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    CFirDoc& project = *desktop.App().Documents().front();
    project.ViewFrequencyResponse(ResponseDisplay::Magnitude, ChannelSelection::Inphase);
    project.SetModifiedFlag();
    std::vector<gui::ProjectFrame*> frames = desktop.Frames().FramesOf(project);
    ASSERT_EQ(frames.size(), 2u);
    QApplication::processEvents();
    EXPECT_EQ(frames[0]->windowTitle(), "Tapwright1:1");
    EXPECT_EQ(frames[1]->windowTitle(), "Tapwright1:2 Magnitude");

    // Another window of the project remains: no question.
    frames[1]->close();
    frames = desktop.Frames().FramesOf(project);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]->windowTitle(), "Tapwright1");

    ModalScript user;
    user.Then([](QWidget& box) {
        EXPECT_EQ(box.findChild<QLabel*>("qt_msgbox_label")->text(), "Save changes to Tapwright1?");
        PressButton(box, "Cancel");
    });
    user.Then([](QWidget& box) { PressButton(box, "No"); });
    frames[0]->close();
    EXPECT_EQ(desktop.App().Documents().size(), 1u);
    EXPECT_EQ(Current(), frames[0]);

    frames[0]->close();
    EXPECT_TRUE(desktop.App().Documents().empty());
    EXPECT_EQ(Current(), nullptr);
    EXPECT_EQ(MenuTitles(), (QStringList{"&File", "&View", "&Help"}));
}

TEST_F(DesktopApplicationTest, MainWindowStaysWhileAModifiedProjectIsKept) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    desktop.App().Documents().front()->SetModifiedFlag();
    ModalScript user;
    user.Then([](QWidget& box) { PressButton(box, "Cancel"); });
    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(desktop.App().Documents().size(), 1u);
}

TEST_F(DesktopApplicationTest, SaveProjectAsNamesTheProjectAfterItsFileAndRemembersIt) {
    StartWithNewProject(NewProjectChoice::SimpleLowpass);
    QWidget& form = CurrentWidget();
    for (const auto& [field, text] : {std::pair{"edge1", "0.1"}, std::pair{"edge2", "0.2"},
                                      std::pair{"rippleDb", "1"},
                                      std::pair{"attenuationDb", "40"}}) {
        form.findChild<QLineEdit*>(field)->setText(text);
    }
    const QString path = directory.filePath("mine.tws");
    // The file dialog's own binding is tested with the dialogs; here the user names the file.
    FileChooser chooser(path);
    ScopedUserInterface answering(chooser);
    Item(Menu("&File"), "Save Project &As...").trigger();

    ASSERT_EQ(chooser.offered.size(), 1u);
    EXPECT_EQ(chooser.offered.front().description, "Tapwright Simple Filter Files (*.tws)");
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(Current()->windowTitle(), "mine.tws");
    EXPECT_EQ(Frame().windowTitle(), "Tapwright - mine.tws");
    Current()->showMaximized();
    EXPECT_EQ(Frame().windowTitle(), "Tapwright - [mine.tws]");
    EXPECT_EQ(Frame().RecentFiles().Entries().front(), path.toStdString());
    EXPECT_FALSE(desktop.App().Documents().front()->IsModified());
    // The form was written into the filter before the file.
    EXPECT_EQ(desktop.App().Documents().front()->Filter().GetNumBands(), 2);
}

}  // namespace
}  // namespace tapwright::test
