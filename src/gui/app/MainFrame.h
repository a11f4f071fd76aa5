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

    // ---- Menus of project windows --------------------------------------------------------

    // Shows the menus of the active project window in the menu bar; ShowOwnMenus goes back
    // to the menus of the frame without a project.
    void ShowMenus(const std::vector<QMenu*>& menus);
    void ShowOwnMenus();
    // The "&Help" menu, the same in every menu bar.
    QMenu* HelpMenu() const { return helpMenu_; }
    // The end of a File menu: "P&rint Setup...", the recent files and "E&xit".
    void AddFileMenuTail(QMenu& menu);
    // The end of a View menu: "&Toolbar", the status bar's item with the given text, and
    // "&Preferences...".
    void AddViewMenuTail(QMenu& menu, const char* statusBarText);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The recent files of one File menu, between two separators.
    struct RecentFileSlot {
        QMenu* menu;
        QAction* start;
        QAction* end;
        std::vector<QAction*> entries;
    };

    void CreateToolBar();
    void CreateStatusBar();
    void CreateMenus();
    void CreateFrameKeys();
    QAction* AddMenuAction(QMenu* menu, const char* text, const char* statusTip);
    void RebuildRecentFileMenus();
    void RebuildRecentFileSlot(RecentFileSlot& slot);
    void OpenRecentFile(const QString& path);
    void RunCommand(FrameCommand command);
    void SetStatusBarShown(bool shown);

    SettingsStore& settings_;
    CPreferences& preferences_;
    RecentFileList recentFiles_;
    QMdiArea* mdiArea_;
    QLabel* messagePane_;
    QToolBar* toolBar_ = nullptr;
    LockKeyPanes* lockPanes_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
    std::vector<QMenu*> ownMenus_;
    QMenu* helpMenu_ = nullptr;
    std::vector<RecentFileSlot> recentFileSlots_;
    // Every status bar item, kept checked alike (the tool bar tells its items itself).
    std::vector<QAction*> statusBarToggles_;
    std::map<FrameCommand, QAction*> commandActions_;
    FrameCommandTarget* target_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace tapwright::gui
