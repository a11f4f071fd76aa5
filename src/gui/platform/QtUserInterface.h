#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <string>

#include "gui/platform/QtClipboard.h"
#include "platform/UserInterface.h"

class QLabel;
class QWidget;

namespace tapwright::gui {

// The core's user interface on Qt: message boxes, the status line's message pane, the
// application-wide wait cursor, the clipboard and the modal dialogs.
class QtUserInterface : public UserInterface {
public:
    // The text the message pane shows when no operation has put one there.
    static constexpr const char* kIdleText = "For Help, press F1";

    // Marks the time a widget spends painting (or drawing a plot for a printer, a file or
    // the clipboard). Status texts shown meanwhile are painted with the next paint of the
    // status bar, since painting the status bar now would start a second paint of the
    // window in the middle of this one, and they do not replace a command's result.
    class PaintScope {
    public:
        PaintScope() { ++depth_; }
        ~PaintScope() { --depth_; }
        PaintScope(const PaintScope&) = delete;
        PaintScope& operator=(const PaintScope&) = delete;

        static bool Active() { return depth_ > 0; }

    private:
        static inline int depth_ = 0;
    };

    QtUserInterface();
    ~QtUserInterface() override;
    QtUserInterface(const QtUserInterface&) = delete;
    QtUserInterface& operator=(const QtUserInterface&) = delete;

    // Messages and dialogs are parented to the main window; status texts go to its message
    // pane. Both may be null before the main window exists, in which case ShowStatus does
    // nothing.
    void Attach(QWidget* mainWindow, QLabel* messagePane);

    MessageResult ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                              const std::string& caption) override;
    // Status texts show on one line. A text shown while a widget paints (a plot's "Ready")
    // does not replace a command's result.
    void ShowStatus(const std::string& text) override;
    // The result stays in the message pane until another command shows a text.
    void ShowResult(const std::string& text) override;
    // What the message pane shows when a menu prompt ends: the last command's result, or
    // the idle text.
    QString RestingText() const;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    Clipboard& GetClipboard() override { return clipboard_; }

    // Each record shows its own Qt dialog (see QtDialogs.h).
#define TAPWRIGHT_SHOW_QT_DIALOG(Record) bool Run(Record& dialog) override;
    TAPWRIGHT_DIALOG_RECORDS(TAPWRIGHT_SHOW_QT_DIALOG)
#undef TAPWRIGHT_SHOW_QT_DIALOG

private:
    void ShowInPane(const QString& text);

    QPointer<QWidget> mainWindow_;
    QPointer<QLabel> messagePane_;
    // The result of the last command while no other command has shown a text since.
    QString result_;
    // Message boxes open now, one inside another's event loop perhaps.
    int boxesShown_ = 0;
    QtClipboard clipboard_;
    // Hears the user's keys, clicks and wheel turns: each begins a command, after which the
    // last result no longer holds the message pane against redraws.
    std::unique_ptr<QObject> inputWatcher_;
};

}  // namespace tapwright::gui
