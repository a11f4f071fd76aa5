#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTimer>
#include <QTemporaryDir>

#include "app/NewProjectDlg.h"
#include "gui/GuiTestSupport.h"
#include "gui/app/DesktopApplication.h"
#include "platform/SettingsStore.h"

class QMenu;
class QWidget;

namespace tapwright {
class CFirDoc;
}

namespace tapwright::gui {
class ProjectFrame;
}

namespace tapwright::test {

// The whole desktop program on an in-memory settings store, with helpers to start it, open
// projects and read its menu bar the way a user would see it.
class ShellTest : public testing::Test {
protected:
    ShellTest();
    ~ShellTest() override;

    // Starts the program with no command line and answers the New Project dialog with the
    // choice.
    void StartWithNewProject(NewProjectChoice choice);
    // Runs New Project again with the choice.
    CFirDoc* NewProject(NewProjectChoice choice);

    // A project file of the template's kind, saved in the test's own directory, with a
    // specification and, when asked, coefficients.
    QString SaveProjectFile(const QString& name, NewProjectChoice choice,
                            bool withCoefficients = false);

    gui::MainFrame& Frame() const { return *desktop.Frame(); }
    gui::ProjectFrame* Current() const;
    QWidget& CurrentWidget() const;
    // The titles of the menu bar's menus.
    QStringList MenuTitles() const;
    // The menu of the menu bar with the title; fails the test when there is none.
    QMenu& Menu(const QString& title) const;

    MemorySettingsStore settings;
    gui::DesktopApplication desktop{settings};
    QTemporaryDir directory;
};

// The texts of a menu's visible items, separators left out, after the menu has been told it
// is about to show.
QStringList ItemTexts(QMenu& menu);
// The item of the menu with the text, looked up through submenus by a path of texts
// ("W&indow Filter/&Inphase..."); fails the test when there is none.
QAction& Item(QMenu& menu, const QString& path);

// Presses the radio button or check box with the text in the window.
void Choose(QWidget& window, const QString& text);

// Closes every modal window that opens, as Cancel would, and counts them; for checking that
// none opens at all.
class ModalCounter {
public:
    ModalCounter();
    int Count() const { return count_; }

private:
    QTimer timer_;
    int count_ = 0;
};

}  // namespace tapwright::test
