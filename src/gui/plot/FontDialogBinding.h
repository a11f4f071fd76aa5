#pragma once

#include <QFont>

#include "plot/FontDlg.h"

class QFontDialog;
class QWidget;

namespace tapwright::gui {

// The font dialog measures in points, the plot in device pixels of the window it was last
// drawn in; the two are converted with the screen's resolution, so that a font the user does
// not change comes back with the height it had.
QFont DialogFontFor(const FontDescription& font, int dotsPerInch);
FontDescription DescriptionOf(const QFont& font, int dotsPerInch, int escapement);

void ApplyFontDlg(const CFontDlg& record, QFontDialog& dialog);
// After OK: the chosen face, size, weight and style; the text direction stays the record's.
void ReadFontDlg(const QFontDialog& dialog, CFontDlg& record);

// Shows the dialog modally; true when the user confirmed a font.
bool RunFontDialog(CFontDlg& record, QWidget* parent);

}  // namespace tapwright::gui
