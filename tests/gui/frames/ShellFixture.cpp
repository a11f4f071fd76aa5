#include "gui/frames/ShellFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/FirApp.h"
#include "document/FirDoc.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/ProjectCommands.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/QtFrameFactory.h"
#include "gui/platform/CoreText.h"
#include "platform/FileSystem.h"
#include "platform/FrameFactory.h"

namespace tapwright::test {

namespace {

constexpr int kPollMilliseconds = 10;

// Documents that are only written to files need no windows.
class NoFrames final : public FrameFactory {
public:
    CView* CreateFrame(CSerDoc&, ViewKind) override { return nullptr; }
    void ActivateFrame(CView&) override {}
    void DestroyFrame(CView&) override {}
};

void AnswerNewProject(QWidget& dialog, NewProjectChoice choice) {
    EXPECT_EQ(dialog.windowTitle(), CNewProjectDlg::kTitle);
    Choose(dialog, CNewProjectDlg::kChoiceCaptions[static_cast<std::size_t>(choice)]);
    PressButton(dialog, "OK");
}

}  // namespace

ShellTest::ShellTest() {
    EXPECT_TRUE(directory.isValid());
}

ShellTest::~ShellTest() = default;

void ShellTest::StartWithNewProject(NewProjectChoice choice) {
    ModalScript user;
    user.Then([choice](QWidget& dialog) { AnswerNewProject(dialog, choice); });
    ASSERT_TRUE(desktop.Start({}));
}

CFirDoc* ShellTest::NewProject(NewProjectChoice choice) {
    ModalScript user;
    user.Then([choice](QWidget& dialog) { AnswerNewProject(dialog, choice); });
    return desktop.Commands()->NewProject();
}

QString ShellTest::SaveProjectFile(const QString& name, NewProjectChoice choice,
                                   bool withCoefficients) {
    NoFrames frames;
    CFirApp app(frames);
    const TemplateId id =
        choice == NewProjectChoice::Advanced ? kTemplateAdvanced : kTemplateSimple;
    CFirDoc document(app, app.GetTemplate(id));
    CFirData& filter = document.Filter();
    filter.SetSpecification(ResponseType::Filter, 31, 16);
    EXPECT_TRUE(filter.AddBand(0.0, 0.1, 1.0, 0.5, false, true, true));
    EXPECT_TRUE(filter.AddBand(0.2, 0.5, 0.0, 50.0, false, true, true));
    if (withCoefficients) {
        filter.FillConstant(31, 1.0 / 31.0, true, false);
    }
    const QString path = directory.filePath(name);
    EXPECT_TRUE(document.SaveTo(gui::ToCoreString(path), StandardFileWriter()));
    return path;
}

gui::ProjectFrame* ShellTest::Current() const {
    return desktop.Frames().CurrentFrame();
}

QWidget& ShellTest::CurrentWidget() const {
    gui::ProjectFrame* frame = Current();
    EXPECT_NE(frame, nullptr);
    return *frame->widget();
}

QStringList ShellTest::MenuTitles() const {
    QStringList titles;
    for (const QAction* action : Frame().menuBar()->actions()) {
        titles << action->text();
    }
    return titles;
}

QMenu& ShellTest::Menu(const QString& title) const {
    for (QAction* action : Frame().menuBar()->actions()) {
        if (action->text() == title && action->menu() != nullptr) {
            return *action->menu();
        }
    }
    ADD_FAILURE() << "no menu " << title.toStdString();
    return *Frame().menuBar()->actions().front()->menu();
}

QStringList ItemTexts(QMenu& menu) {
    emit menu.aboutToShow();
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isVisible()) {
            texts << action->text();
        }
    }
    return texts;
}

QAction& Item(QMenu& menu, const QString& path) {
    QMenu* current = &menu;
    const QStringList steps = path.split('/');
    for (qsizetype i = 0; i < steps.size(); ++i) {
        emit current->aboutToShow();
        QAction* found = nullptr;
        for (QAction* action : current->actions()) {
            if (action->text() == steps[i]) {
                found = action;
                break;
            }
        }
        if (found == nullptr) {
            ADD_FAILURE() << "no item " << path.toStdString();
            return *menu.actions().front();
        }
        if (i + 1 == steps.size()) {
            return *found;
        }
        current = found->menu();
    }
    return *menu.actions().front();
}

void Choose(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isCheckable() && button->text().remove('&') == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no choice " << text.toStdString();
}

ModalCounter::ModalCounter() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++count_;
            modal->reject();
        }
    });
    timer_.start(kPollMilliseconds);
}

}  // namespace tapwright::test
