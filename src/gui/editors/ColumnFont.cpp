#include "gui/editors/ColumnFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

#include <cmath>

namespace tapwright::gui {

namespace {

// Widths are fractions of a pixel; a hinted font rounds them alike.
constexpr double kWidthTolerance = 0.01;

QFont LikeSystemFixedFont(const QString& family) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({family});
    return font;
}

QFont FirstFontThatLinesUp() {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (LinesUpColumns(system)) {
        return system;
    }
    QFont typewriter = system;
    typewriter.setStyleHint(QFont::TypeWriter);
    typewriter.setFixedPitch(true);
    if (LinesUpColumns(typewriter)) {
        return typewriter;
    }
    // Families that say they are fixed pitch first, then any other.
    const QStringList families = QFontDatabase::families();
    for (const bool claimsFixedPitch : {true, false}) {
        for (const QString& family : families) {
            if (QFontDatabase::isFixedPitch(family) != claimsFixedPitch) {
                continue;
            }
            const QFont candidate = LikeSystemFixedFont(family);
            if (LinesUpColumns(candidate)) {
                return candidate;
            }
        }
    }
    return system;
}

}  // namespace

bool LinesUpColumns(const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString characters(kColumnCharacters);
    const double width = metrics.horizontalAdvance(characters.front());
    if (!(width > 0.0)) {
        return false;
    }
    for (const QChar character : characters) {
        if (std::fabs(metrics.horizontalAdvance(character) - width) > kWidthTolerance) {
            return false;
        }
    }
    return true;
}

QFont ColumnFont() {
    // Looking through the installed fonts takes a while, and they do not change while the
    // program runs.
    static const QFont chosen = FirstFontThatLinesUp();
    return chosen;
}

}  // namespace tapwright::gui
