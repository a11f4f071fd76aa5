#pragma once

#include <QPointer>
#include <QStringList>

#include <memory>

#include "app/FirApp.h"
#include "gui/frames/QtFrameFactory.h"
#include "gui/platform/QtUserInterface.h"

namespace tapwright {
class SettingsStore;
}

namespace tapwright::gui {

class IdleCommandRefresh;
class MainFrame;
class ProjectCommands;
class ProjectFrame;
class WindowMenus;

// The desktop program: the core's user interface on Qt, the application model with its
// preferences and templates, the main window with its menus, and the windows of the open
// projects. Start carries out the start-up; from then on everything happens in the event
// loop.
class DesktopApplication {
public:
    // Preferences and the recent-file list live in the store, which must outlive the program.
    explicit DesktopApplication(SettingsStore& settings);
    ~DesktopApplication();
    DesktopApplication(const DesktopApplication&) = delete;
    DesktopApplication& operator=(const DesktopApplication&) = delete;

    // With this option, a designed project opened from the command line shows its frequency
    // response beside its editor.
    static constexpr const char* kShowResponseOption = "--response";

    // Loads the preferences, shows the main window maximised, and carries out the command
    // line: the first argument that is not an option names a project to open; without one,
    // New Project runs. False, to end the program, when the project could not be opened.
    bool Start(const QStringList& arguments);

    CFirApp& App() { return app_; }
    QtFrameFactory& Frames() { return frames_; }
    const QtFrameFactory& Frames() const { return frames_; }
    // Null before Start.
    MainFrame* Frame() const { return mainFrame_.get(); }
    ProjectCommands* Commands() const { return commands_.get(); }

private:
    // Another window became the one the user works in: its menus show, and a window that
    // was not active before hears of it.
    void OnWindowActivated();
    void ShowResponseBesideEditor(CFirDoc& document);
    void WaitUntilShown();
    void WatchWindowState(ProjectFrame& frame);
    void UpdateMainTitle();

    QtUserInterface ui_;
    ScopedUserInterface installed_;
    SettingsStore& settings_;
    QtFrameFactory frames_;
    // The projects end after their windows, which show their data to the last.
    CFirApp app_;
    // The menus of project windows belong to the main window, which they must not outlive.
    std::unique_ptr<WindowMenus> menus_;
    std::unique_ptr<MainFrame> mainFrame_;
    std::unique_ptr<ProjectCommands> commands_;
    std::unique_ptr<IdleCommandRefresh> idleRefresh_;
    QPointer<ProjectFrame> activeFrame_;
    // The context of every connection to the windows, so that all end before the windows do.
    std::unique_ptr<QObject> listener_;
};

}  // namespace tapwright::gui
