#pragma once

#include <QString>

#include <span>

namespace tapwright::gui {

// The commands on the main frame's tool bar, in the order of its buttons.
enum class FrameCommand {
    NewProject,
    OpenProject,
    SaveProject,
    SamplingFrequency,
    FillSine,
    Window,
    Scale,
    Quantize,
    Mix,
    ViewEditor,
    ViewMagnitude,
    ViewImpulse,
    ViewCoefficients,
    Cut,
    Copy,
    Paste,
    Print,
    ContextHelp,
};

// One tool bar button: its command, picture, what the status line shows while the pointer
// is on it and, after a line feed, its tool tip; and the keys that run it from anywhere in
// the main window.
struct ToolButton {
    FrameCommand command;
    const char* icon;
    const char* statusText;
    bool separatorBefore;
    const char* keys;  // key sequences separated by "; ", or empty
};

// The buttons in order, with the separators between their groups.
std::span<const ToolButton> ToolButtons();

// The part of the status text the status line shows, and the part the tool tip shows.
QString StatusLineOf(const char* statusText);
QString ToolTipOf(const char* statusText);

// Decides the state of the tool bar commands that act on projects and their windows, and
// carries them out; the document layer implements it over the core command tables. The
// frame asks it whenever a menu is about to show, another window becomes active, or the
// document layer calls RefreshCommandStates after a change.
class FrameCommandTarget {
public:
    virtual ~FrameCommandTarget() = default;

    virtual bool IsEnabled(FrameCommand command) const = 0;
    virtual void Execute(FrameCommand command) = 0;

    // Opens a project named by the recent-file list or dropped on the frame; false when it
    // could not be opened (after telling the user).
    virtual bool OpenProjectFile(const QString& path) = 0;

    // The main window is about to close: true when every project may close (saved, or not
    // to be saved) and has been closed.
    virtual bool CloseAllProjects() { return true; }
};

}  // namespace tapwright::gui
