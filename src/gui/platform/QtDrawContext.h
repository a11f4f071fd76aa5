#pragma once

#include <QFont>
#include <QPoint>

#include <vector>

#include "platform/DrawContext.h"

class QPainter;

namespace tapwright::gui {

// What a drawing context draws on; the plot lays itself out differently on a printed page.
enum class DrawDevice { Screen, Printer, Picture };

// A font made from a description for the device: the face, weight and style asked for, and
// the largest pixel size whose cell (ascent plus descent) fits the height asked for.
QFont MakeFont(const FontDescription& wanted, const QPaintDevice* device);

// The drawing context of the desktop on a QPainter: a widget, a printer page, an image or a
// vector picture. Coordinates are the device's pixels, as the painter has them without any
// transformation of its own.
class QtDrawContext final : public DrawContext {
public:
    // The painter must be active, and stays in use by the context for the context's
    // lifetime. The context turns antialiasing of lines off, so that one-pixel lines land on
    // whole pixels as the layout expects. On a printer, pens are widened so that the
    // thinnest line is a quarter of a millimetre, as wide as a pixel on the screen.
    QtDrawContext(QPainter& painter, DrawDevice device);

    bool IsPrinting() const override { return device_ == DrawDevice::Printer; }
    Size Resolution() const override;
    Size Aspect() const override;

    void SaveState() override;
    void RestoreState() override;
    Pen SelectPen(const Pen& pen) override;
    Color SelectBrush(Color fill) override;
    std::optional<FontDescription> SelectFont(const FontDescription& wanted) override;
    void SetTextAlign(TextAlign align) override { state_.align = align; }
    void SetTextColor(Color color) override { state_.textColor = color; }
    Color WindowTextColor() const override;
    void SetClipRect(const Rect& clip) override;
    void ClearClip() override;

    void MoveTo(Point to) override { position_ = QPoint(to.x, to.y); }
    void LineTo(Point to) override;
    void Ellipse(const Rect& box) override;
    void DrawText(Point at, const std::string& text) override;
    Size MeasureText(const std::string& text) const override;

private:
    struct State {
        Pen pen;
        Color brush = Rgb(255, 255, 255);
        QFont font;
        int escapement = 0;
        TextAlign align;
        Color textColor = kBlack;
    };

    // Puts the selected pen and its way of combining with the picture on the painter.
    void ApplyPen();

    QPainter& painter_;
    DrawDevice device_;
    // Device pixels per pixel of pen width: a printed line is as wide as one on the screen.
    int penPixels_;
    // Whether the device can combine lines with what is there by exclusive or.
    bool rasterOperations_;
    State state_;
    std::vector<State> saved_;
    QPoint position_;
};

}  // namespace tapwright::gui
