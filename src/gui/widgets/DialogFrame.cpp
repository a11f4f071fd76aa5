#include "gui/widgets/DialogFrame.h"

#include <QWidget>

namespace tapwright::gui {

void UseDialogFrame(QWidget& dialog) {
    // Without the customise hint the window manager decides on the buttons itself. Some
    // window managers give every dialog a minimise button whatever the hints say, but none
    // to a utility window, which is what a tool window is on X11; it stays above the
    // window it belongs to, as a modal box should.
    dialog.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

}  // namespace tapwright::gui
