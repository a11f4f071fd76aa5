#pragma once

class QWidget;

namespace tapwright::gui {

// Gives a dialog or message box the frame of a dialog: a title and a close button, and no
// button to minimise or maximise it, which a modal box cannot use (a minimised one would
// leave the program waiting for a window the user cannot see). Window managers that draw
// those buttons anyway find the box back on the screen at once after a minimise. Call before
// it is shown.
void UseDialogFrame(QWidget& dialog);

}  // namespace tapwright::gui
