#include "gui/platform/QtDrawContext.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

Color ToColor(const QColor& color) {
    return Rgb(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
               static_cast<std::uint8_t>(color.blue()));
}

// Dashes and dots as long as those of the classic desktop pens, in units of the pen width.
const QList<qreal> kDashPattern{18, 6};
const QList<qreal> kDotPattern{3, 3};

// Large enough for the titles of a plot printed on a large page at a high resolution.
constexpr int kLargestFontPixels = 4000;

// The narrowest line a printed page shows, in millimetres: about one screen pixel.
constexpr double kThinnestPrintedLineMm = 0.25;
constexpr double kMmPerInch = 25.4;

// How many device pixels one pixel of pen width takes: on a printed page as many as make
// the thinnest printed line, elsewhere one.
int PenPixelsOf(const QPainter& painter, DrawDevice device) {
    const QPaintDevice* target = painter.device();
    if (device != DrawDevice::Printer || target == nullptr) {
        return 1;
    }
    const double dots = target->logicalDpiX() * kThinnestPrintedLineMm / kMmPerInch;
    return std::max(1, static_cast<int>(std::ceil(dots - 1e-9)));
}

QPen ToQPen(const Pen& pen, int penPixels) {
    QPen made(ToQColor(pen.color));
    const int width = std::max(pen.width, 1) * penPixels;
    made.setWidth(width);
    // A one-pixel line leaves out its end point, so that the lines of a polyline meet
    // without drawing their common pixel twice (which an exclusive-or pen would erase).
    // Wider lines get round ends, so that their joints show no notches.
    if (width <= 1) {
        made.setCapStyle(Qt::FlatCap);
        made.setJoinStyle(Qt::MiterJoin);
    } else {
        made.setCapStyle(Qt::RoundCap);
        made.setJoinStyle(Qt::RoundJoin);
    }
    switch (pen.style) {
        case PenStyle::Dashed:
            made.setDashPattern(kDashPattern);
            break;
        case PenStyle::Dotted:
            made.setDashPattern(kDotPattern);
            break;
        case PenStyle::Solid:
            break;
    }
    return made;
}

}  // namespace

QFont MakeFont(const FontDescription& wanted, const QPaintDevice* device) {
    QFont font(ToQString(wanted.faceName));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)));
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    if (wanted.height <= 0) {
        return font;  // the device's usual size
    }
    // A pixel size is the em height; the cell is usually a little taller, so shrink the em
    // until the whole cell fits. Sizes stay within what a font engine renders without
    // trouble, however large a scale the user has chosen.
    const int height = std::min(wanted.height, kLargestFontPixels);
    int size = height;
    font.setPixelSize(size);
    const int cell = QFontMetrics(font, device).height();
    if (cell > height) {
        size = std::max(1, height * height / cell);
        font.setPixelSize(size);
        while (size > 1 && QFontMetrics(font, device).height() > height) {
            font.setPixelSize(--size);
        }
    }
    return font;
}

QtDrawContext::QtDrawContext(QPainter& painter, DrawDevice device)
    : painter_(painter),
      device_(device),
      penPixels_(PenPixelsOf(painter, device)),
      rasterOperations_(painter.paintEngine() != nullptr &&
                        painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    state_.font = painter_.font();
    painter_.setBrush(ToQColor(state_.brush));
    ApplyPen();
}

Size QtDrawContext::Resolution() const {
    const QPaintDevice* device = painter_.device();
    return device == nullptr ? Size{} : Size{device->width(), device->height()};
}

Size QtDrawContext::Aspect() const {
    // The relative width of a pixel grows as the horizontal resolution falls, and the other
    // way round for its height.
    const QPaintDevice* device = painter_.device();
    if (device == nullptr) {
        return Size{1, 1};
    }
    return Size{device->logicalDpiY(), device->logicalDpiX()};
}

void QtDrawContext::SaveState() {
    painter_.save();
    saved_.push_back(state_);
}

void QtDrawContext::RestoreState() {
    if (saved_.empty()) {
        return;
    }
    painter_.restore();
    state_ = saved_.back();
    saved_.pop_back();
}

Pen QtDrawContext::SelectPen(const Pen& pen) {
    const Pen previous = state_.pen;
    state_.pen = pen;
    ApplyPen();
    return previous;
}

void QtDrawContext::ApplyPen() {
    painter_.setPen(ToQPen(state_.pen, penPixels_));
    // On a white picture the exclusive-or pen shows in its own colour, and a second drawing
    // of the same line restores every pixel. A device without such operations (a printer,
    // a vector picture) gets the plain line instead, which at least stays visible.
    const bool combine = state_.pen.xorMode && rasterOperations_;
    painter_.setCompositionMode(combine ? QPainter::RasterOp_NotSourceXorDestination
                                        : QPainter::CompositionMode_SourceOver);
}

Color QtDrawContext::SelectBrush(Color fill) {
    const Color previous = state_.brush;
    state_.brush = fill;
    painter_.setBrush(ToQColor(fill));
    return previous;
}

std::optional<FontDescription> QtDrawContext::SelectFont(const FontDescription& wanted) {
    const QFont font = MakeFont(wanted, painter_.device());
    state_.font = font;
    state_.escapement = wanted.escapement;
    painter_.setFont(font);

    const QFontInfo made(font);
    FontDescription description;
    description.height = QFontMetrics(font, painter_.device()).height();
    description.weight = made.weight();
    description.italic = made.italic();
    description.underline = made.underline();
    description.faceName = ToCoreString(made.family());
    description.escapement = wanted.escapement;
    return description;
}

Color QtDrawContext::WindowTextColor() const {
    // Pages and pictures are white whatever the desktop's colours are.
    if (device_ != DrawDevice::Screen) {
        return kBlack;
    }
    return ToColor(QGuiApplication::palette().color(QPalette::Text));
}

void QtDrawContext::SetClipRect(const Rect& clip) {
    painter_.setClipRect(
        QRect(clip.left, clip.top, std::max(clip.Width(), 0), std::max(clip.Height(), 0)));
}

void QtDrawContext::ClearClip() {
    painter_.setClipping(false);
}

void QtDrawContext::LineTo(Point to) {
    const QPoint end(to.x, to.y);
    painter_.drawLine(position_, end);
    position_ = end;
}

void QtDrawContext::Ellipse(const Rect& box) {
    // The box's right and bottom lie just outside the ellipse, and the outline is drawn
    // inside the box.
    painter_.drawEllipse(
        QRect(box.left, box.top, std::max(box.Width() - 1, 0), std::max(box.Height() - 1, 0)));
}

void QtDrawContext::DrawText(Point at, const std::string& text) {
    const QString shown = ToQString(text);
    const QFontMetrics metrics(state_.font, painter_.device());
    int dx = 0;
    switch (state_.align.horizontal) {
        case HorizontalAlign::Left:
            break;
        case HorizontalAlign::Center:
            dx = -metrics.horizontalAdvance(shown) / 2;
            break;
        case HorizontalAlign::Right:
            dx = -metrics.horizontalAdvance(shown);
            break;
    }
    int dy = 0;
    switch (state_.align.vertical) {
        case VerticalAlign::Baseline:
            break;
        case VerticalAlign::Top:
            dy = metrics.ascent();
            break;
        case VerticalAlign::Bottom:
            dy = -metrics.descent();
            break;
    }

    // Text is never combined by exclusive or, and is drawn in the text colour; the line pen
    // comes back afterwards. The alignment applies along the direction of the text.
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setPen(ToQColor(state_.textColor));
    painter_.translate(at.x, at.y);
    if (state_.escapement != 0) {
        painter_.rotate(-state_.escapement / 10.0);
    }
    painter_.drawText(dx, dy, shown);
    painter_.restore();
}

Size QtDrawContext::MeasureText(const std::string& text) const {
    const QFontMetrics metrics(state_.font, painter_.device());
    return Size{metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

}  // namespace tapwright::gui
