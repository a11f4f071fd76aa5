#include "gui/plot/FontDialogBinding.h"

#include <QFontDialog>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

#include "gui/platform/CoreText.h"
#include "gui/widgets/DialogFrame.h"

namespace tapwright::gui {

namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

QFont DialogFontFor(const FontDescription& font, int dotsPerInch) {
    QFont made(ToQString(font.faceName));
    made.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    made.setItalic(font.italic);
    made.setUnderline(font.underline);
    if (font.height > 0 && dotsPerInch > 0) {
        made.setPointSizeF(font.height * kPointsPerInch / dotsPerInch);
    }
    return made;
}

FontDescription DescriptionOf(const QFont& font, int dotsPerInch, int escapement) {
    FontDescription description;
    const double points = font.pointSizeF();
    description.height =
        points > 0.0 ? static_cast<int>(std::lround(points * dotsPerInch / kPointsPerInch)) : 0;
    description.weight = font.weight();
    description.italic = font.italic();
    description.underline = font.underline();
    description.faceName = ToCoreString(font.family());
    description.escapement = escapement;
    return description;
}

void ApplyFontDlg(const CFontDlg& record, QFontDialog& dialog) {
    QFontDialog::FontDialogOptions options;
    if (record.scalableOnly) {
        options |= QFontDialog::ScalableFonts;
    }
    dialog.setOptions(options);
    dialog.setCurrentFont(DialogFontFor(record.font, dialog.logicalDpiY()));
}

void ReadFontDlg(const QFontDialog& dialog, CFontDlg& record) {
    record.font = DescriptionOf(dialog.currentFont(), dialog.logicalDpiY(), record.font.escapement);
}

bool RunFontDialog(CFontDlg& record, QWidget* parent) {
    QFontDialog dialog(parent);
    UseDialogFrame(dialog);
    ApplyFontDlg(record, dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    ReadFontDlg(dialog, record);
    return true;
}

}  // namespace tapwright::gui
