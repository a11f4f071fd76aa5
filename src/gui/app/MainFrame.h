#pragma once

#include <QMainWindow>

#include <map>
#include <vector>
#include <memory>

#include "gui/app/FrameCommands.h"
#include "gui/app/RecentFileList.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QToolBar;

namespace tapwright {
class CPreferences;
class SettingsStore;
}  // namespace tapwright

namespace tapwright::gui {

class HelpViewer;
class LockKeyPanes;

// The main window: every project window is a subwindow of its MDI area. Around it: the
// dockable tool bar, the status bar (the message pane the core writes to, then CAP, NUM and
// SCRL), the menu bar shown while no project is open, the recent-file list, the frame's keys,
// and the help, About, Print Setup and Preferences commands.
//
// Tool bar commands other than context help go to a FrameCommandTarget; until one is
// attached they are disabled. Menus of project windows reuse CommandAction(), so that every
// key belongs to exactly one action.
class MainFrame : public QMainWindow {
public:
    // The frame keeps the recent-file list in the settings store and edits the preferences
    // there too; both must outlive it.
    MainFrame(SettingsStore& settings, CPreferences& preferences, QWidget* parent = nullptr);
    ~MainFrame() override;

    QMdiArea* MdiArea() const { return mdiArea_; }
    QLabel* MessagePane() const { return messagePane_; }
    QToolBar* ToolBar() const { return toolBar_; }
    const LockKeyPanes& LockPanes() const { return *lockPanes_; }
    HelpViewer* Help() const { return helpViewer_; }

    QAction* CommandAction(FrameCommand command) const { return commandActions_.at(command); }

    // Attaches the commands' target (null detaches it) and updates every button.
    void SetCommandTarget(FrameCommandTarget* target);
    // Asks the target for the state of every command again.
    void RefreshCommandStates();

    // Puts a project that has been opened or saved at the top of the recent-file list.
    void AddRecentFile(const QString& path);
    const RecentFileList& RecentFiles() const { return recentFiles_; }

    // The printer the program prints on, set up for landscape pages; made when first needed.
    QPrinter& Printer();

    // The frame's own commands.
    void ShowPrintSetup();
    void EditPreferences();
    void ShowHelpTopics();
    void ShowAbout();

protected:
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateToolBar();
    void CreateStatusBar();
    void CreateMenus();
    void CreateFrameKeys();
    QAction* AddMenuAction(QMenu* menu, const char* text, const char* statusTip);
    void RebuildRecentFileMenu();
    void OpenRecentFile(const QString& path);
    void RunCommand(FrameCommand command);

    SettingsStore& settings_;
    CPreferences& preferences_;
    RecentFileList recentFiles_;
    QMdiArea* mdiArea_;
    QLabel* messagePane_;
    QToolBar* toolBar_ = nullptr;
    LockKeyPanes* lockPanes_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentFilesStart_ = nullptr;  // the separators around the recent files
    QAction* recentFilesEnd_ = nullptr;
    std::vector<QAction*> recentFileActions_;
    std::map<FrameCommand, QAction*> commandActions_;
    FrameCommandTarget* target_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace tapwright::gui
