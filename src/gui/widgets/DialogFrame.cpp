#include "gui/widgets/DialogFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tapwright::gui {

namespace {

// Brings a dialog back as soon as the window manager minimises it. Some window managers draw
// a minimise button on every window whatever its hints ask for, and minimise the program's
// other windows with a modal box; nothing would then be left on the screen to answer it.
class RestoreWhenMinimised : public QObject {
public:
    explicit RestoreWhenMinimised(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::WindowStateChange &&
            dialog_.isMinimized()) {
            // The state cannot be changed back from within its own change.
            QTimer::singleShot(0, &dialog_, [dialog = &dialog_] {
                dialog->showNormal();
                dialog->raise();
                dialog->activateWindow();
            });
        }
        return false;
    }

private:
    QWidget& dialog_;
};

}  // namespace

void UseDialogFrame(QWidget& dialog) {
    // Without the customise hint the window manager is left to decide on the buttons.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.installEventFilter(new RestoreWhenMinimised(dialog));
}

}  // namespace tapwright::gui
