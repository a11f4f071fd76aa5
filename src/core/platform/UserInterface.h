#pragma once

#include <string>

#include "platform/DialogRecords.h"

namespace tapwright {

class Clipboard;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Stop, Exclamation, Information, Question };
enum class MessageResult { Ok, Cancel, Yes, No };

// Caption of every message box unless a caller names another one.
inline constexpr const char* kApplicationTitle = "Tapwright";

// The three ways the system talks to the user (modal messages, the status line and the
// wait cursor) plus the modal dialogs. The desktop program implements it with Qt, the
// command-line tool without a window, and the tests with a scripted fake.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Shows a modal box and returns the button pressed. An empty caption means the
    // application's title.
    virtual MessageResult ShowMessage(const std::string& text,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None,
                                      const std::string& caption = {}) = 0;

    // Puts the text into the status line and makes it visible at once, even while a long
    // computation keeps the user-interface thread busy.
    virtual void ShowStatus(const std::string& text) = 0;

    // Puts the outcome of a command (a design, an optimisation) into the status line, on one
    // line, where it stays until another command shows a text: the windows the command
    // redraws do not replace it. A user interface without a way to keep it shows it as any
    // status text.
    virtual void ShowResult(const std::string& text) { ShowStatus(text); }

    // Use WaitCursor rather than these two, so that the cursor ends on every way out.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // The clipboard of the desktop; a user interface without one discards what it is given.
    virtual Clipboard& GetClipboard();

    // Modal dialogs, one Run for each record of DialogRecords.h: true when the user
    // confirmed with OK. A user interface that cannot show a dialog treats it as cancelled.
#define TAPWRIGHT_CANCEL_DIALOG(Record) \
    virtual bool Run(Record&) { return false; }
    TAPWRIGHT_DIALOG_RECORDS(TAPWRIGHT_CANCEL_DIALOG)
#undef TAPWRIGHT_CANCEL_DIALOG
};

// The user interface the core talks to. Until one is installed, a quiet one answers every
// message with its default button (OK, No or Cancel) and cancels every dialog.
UserInterface& Ui();

// Installs a user interface for the lifetime of the guard and restores the previous one.
class ScopedUserInterface {
public:
    explicit ScopedUserInterface(UserInterface& ui);
    ~ScopedUserInterface();
    ScopedUserInterface(const ScopedUserInterface&) = delete;
    ScopedUserInterface& operator=(const ScopedUserInterface&) = delete;

private:
    UserInterface* previous_;
};

// Shows the wait cursor while it lives, so that it also ends when an operation ends early.
class WaitCursor {
public:
    WaitCursor() : ui_(Ui()) { ui_.BeginWaitCursor(); }
    ~WaitCursor() { ui_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UserInterface& ui_;
};

// The answer a box gives when nobody is there to press a button.
MessageResult DefaultAnswer(MessageButtons buttons);

}  // namespace tapwright
