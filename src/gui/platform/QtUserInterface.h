#pragma once

#include "platform/UserInterface.h"

class QLabel;
class QStatusBar;
class QWidget;

namespace tapwright::gui {

// The core's user interface on Qt: message boxes, the status line's message pane and the
// application-wide wait cursor.
class QtUserInterface : public UserInterface {
public:
    // The text the message pane shows when no operation has put one there.
    static constexpr const char* kIdleText = "For Help, press F1";

    // Messages are parented to the main window; status texts go to its message pane. Both
    // may be null before the main window exists, in which case ShowStatus does nothing.
    void Attach(QWidget* mainWindow, QLabel* messagePane);

    MessageResult ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                              const std::string& caption) override;
    void ShowStatus(const std::string& text) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    QWidget* mainWindow_ = nullptr;
    QLabel* messagePane_ = nullptr;
};

}  // namespace tapwright::gui
