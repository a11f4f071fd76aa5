#pragma once

#include <QString>

#include "gui/app/FrameCommands.h"
#include "platform/CommandTable.h"

namespace tapwright {
class CFirApp;
class CFirDoc;
}  // namespace tapwright

namespace tapwright::gui {

class MainFrame;
class ProjectFrame;
class QtFrameFactory;

// Carries out what the user asks of the projects, from the tool bar, the keys, the menus of
// project windows and the recent-file list: each project command goes to the project of the
// window the user works in, with the enable rules of the project's command table; New and
// Open go to the application; every project opened or saved under a new name goes to the top
// of the recent-file list. A plot's or the text editor's own menu runs the commands of its
// view itself.
class ProjectCommands final : public FrameCommandTarget {
public:
    ProjectCommands(CFirApp& app, QtFrameFactory& frames, MainFrame& mainFrame);

    // ---- The tool bar and the keys ------------------------------------------------------

    bool IsEnabled(FrameCommand command) const override;
    void Execute(FrameCommand command) override;
    bool OpenProjectFile(const QString& path) override;
    bool CloseAllProjects() override;

    // ---- Project commands of the current window -----------------------------------------

    // False for a command the project's table does not handle, and for every command while
    // no window is open.
    bool IsCommandEnabled(CommandId id) const;
    bool IsCommandChecked(CommandId id) const;
    void RunCommand(CommandId id);

    // The project of the window the user works in; null while no window is open.
    const CFirDoc* CurrentDocument() const;

    bool CanPrintPreview() const;
    void PrintPreview();

    // ---- Projects -----------------------------------------------------------------------

    // New Project; null when cancelled.
    CFirDoc* NewProject();
    // Open Project with the file dialog; null when nothing was opened.
    CFirDoc* OpenProject();
    // Opens a project file; null (after a message) when it could not be opened.
    CFirDoc* OpenProject(const QString& path);
    // A project that was opened or saved under a name is remembered at the top of the list.
    void RememberFile(const CFirDoc& document);

private:
    ProjectFrame* Current() const;
    // The core command a tool bar button stands for; 0 for the buttons that are not one.
    static CommandId CoreCommandOf(FrameCommand command);
    // After a command the tool bar shows what can be done now.
    void Refresh();

    CFirApp& app_;
    QtFrameFactory& frames_;
    MainFrame& mainFrame_;
};

}  // namespace tapwright::gui
