#pragma once

#include <QFont>

namespace tapwright::gui {

// The characters of coefficient text that must stand in columns: digits, hex letters, signs,
// the point, the exponent and the blank that pads numbers to their width.
inline constexpr const char* kColumnCharacters = "0123456789ABCDEFabcdef+-.eEx ";

// Whether every character of coefficient text takes the same width in the font, so that the
// numbers of consecutive lines line up.
bool LinesUpColumns(const QFont& font);

// The font the coefficient editor shows its text in: the desktop's fixed-pitch font where its
// characters line up, else the first installed font whose characters do. Some fonts that are
// fixed pitch in every glyph that matters are not reported as such, so the widths decide, not
// the font's own claim.
QFont ColumnFont();

}  // namespace tapwright::gui
