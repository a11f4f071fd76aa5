#pragma once

#include <utility>

#include "platform/DrawContext.h"

namespace tapwright {

// The record of the desktop's font dialog: the font shown first and, on OK, the one chosen.
class CFontDlg {
public:
    explicit CFontDlg(FontDescription font) : font(std::move(font)) {}

    FontDescription font;
    bool screenAndPrinterFonts = true;  // offer the fonts of both the screen and the printer
    bool scalableOnly = true;           // offer only fonts that scale to any height
};

}  // namespace tapwright
