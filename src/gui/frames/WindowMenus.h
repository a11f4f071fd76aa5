#pragma once

#include <QString>

#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "gui/app/FrameCommands.h"
#include "platform/CommandTable.h"

class QAction;
class QMdiArea;
class QMenu;

namespace tapwright {
class CFirDoc;
}

namespace tapwright::gui {

class MainFrame;
class ProjectCommands;
class ProjectFrame;

// The menu bars of project windows. The File, Filter, View and Window menus are made once
// and shared by every window; a window kind with a menu of its own (a plot's "&Plot") adds
// it after "Fi&lter". Items of project commands go to the project of the window the user
// works in, and take their enable and check states from the project's command table each
// time their menu is about to show.
class WindowMenus {
public:
    WindowMenus(MainFrame& mainFrame, ProjectCommands& commands, QMdiArea& area);
    WindowMenus(const WindowMenus&) = delete;
    WindowMenus& operator=(const WindowMenus&) = delete;

    // The menus of the window's kind, in menu bar order.
    std::vector<QMenu*> MenusFor(ProjectFrame& frame) const;

private:
    // What decides the state of one item.
    struct ItemRule {
        std::function<bool()> enabled;
        std::function<bool()> checked;  // empty for an item without a check mark
    };
    // How a menu is built from the project's command table.
    struct TableLayout {
        std::vector<CommandId> separateBefore;
        std::map<CommandId, const char*> texts;  // items shown under another text
        std::string_view skipBelow;              // a popup left out, when not empty
    };

    QMenu* NewMenu(const char* title);
    QMenu* MakeFileMenu();
    QMenu* MakeEditMenu();
    // The keys of Undo and Redo, which work in every project window.
    void AddEditKeys();
    QMenu* MakeFilterMenu();
    QMenu* MakeViewMenu(bool coefficientEditor);
    QMenu* MakeWindowMenu();
    void AddDocumentCommands(QMenu& menu, std::string_view root, const TableLayout& layout);
    QAction* AddCommandItem(QMenu& menu, const Command<CFirDoc>& command, const char* text);
    QAction* AddDocumentCommand(QMenu& menu, CommandId id);
    QAction* AddToolBarItem(QMenu& menu, const char* text, FrameCommand command);
    QAction* AddItem(QMenu& menu, const QString& text, std::function<void()> run, ItemRule rule);
    void ArrangeIcons();
    void ListWindows(QMenu& menu);
    // Refreshes the states of a menu's own items whenever it is about to show.
    void Watch(QMenu& menu);
    void Refresh(QMenu& menu) const;

    MainFrame& mainFrame_;
    ProjectCommands& commands_;
    QMdiArea& area_;
    std::map<QAction*, ItemRule> rules_;
    // The items whose text follows the project, with what gives it.
    std::map<QAction*, std::function<QString()>> texts_;
    std::vector<QAction*> windowList_;
    QMenu* file_;
    QMenu* edit_;
    QMenu* filter_;
    QMenu* view_;
    QMenu* coefficientView_;
    QMenu* window_;
};

}  // namespace tapwright::gui
