#include "gui/widgets/DialogFrame.h"

#include <QWidget>

namespace tapwright::gui {

void UseDialogFrame(QWidget& dialog) {
    // Without the customise hint the window manager is left to decide on the buttons.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

}  // namespace tapwright::gui
