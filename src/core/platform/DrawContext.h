#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tapwright {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle in device pixels; right and bottom lie just outside it, y grows downwards.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Color{red, green, blue};
}

inline constexpr Color kBlack = Rgb(0, 0, 0);

enum class PenStyle { Solid, Dashed, Dotted };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Color color = kBlack;
    // Lines are combined with what is already there by exclusive or, so that drawing the
    // same line a second time erases it again.
    bool xorMode = false;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// The pen every context starts with: solid black, one pixel.
inline constexpr Pen kDefaultPen{};

// What a font should look like. The context makes the nearest font it has and reports what
// it actually made.
struct FontDescription {
    int height = 0;    // cell height in device pixels
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    std::string faceName;
    int escapement = 0;  // text direction in tenths of a degree, counterclockwise
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

enum class HorizontalAlign { Left, Center, Right };
// Which line of the text the reference point lies on.
enum class VerticalAlign { Baseline, Bottom, Top };

struct TextAlign {
    HorizontalAlign horizontal = HorizontalAlign::Left;
    VerticalAlign vertical = VerticalAlign::Top;
    friend bool operator==(const TextAlign&, const TextAlign&) = default;
};

// A surface the core draws on: a window, a printer page or a picture. Coordinates are device
// pixels with (0, 0) at the top left. Text is always drawn with a transparent background.
class DrawContext {
public:
    virtual ~DrawContext() = default;

    // The device.
    virtual bool IsPrinting() const = 0;
    // The drawable width and height of the device in pixels (for a printer, the page).
    virtual Size Resolution() const = 0;
    // The relative width and height of one device pixel; equal values for square pixels.
    virtual Size Aspect() const = 0;

    // The drawing state. SaveState and RestoreState nest; a restore brings back the pen,
    // brush, font, text alignment, text colour and clip of the matching save.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
    // Selects the pen for lines and outlines and returns the one it replaces.
    virtual Pen SelectPen(const Pen& pen) = 0;
    // Selects the fill colour of ellipses and returns the one it replaces.
    virtual Color SelectBrush(Color fill) = 0;
    // Makes the nearest font the device has and selects it. Returns what was actually made,
    // or nothing when no font could be made; the selected font then stays.
    virtual std::optional<FontDescription> SelectFont(const FontDescription& wanted) = 0;
    virtual void SetTextAlign(TextAlign align) = 0;
    virtual void SetTextColor(Color color) = 0;
    // The colour the desktop uses for text in windows.
    virtual Color WindowTextColor() const = 0;
    // Restricts all drawing to the rectangle until ClearClip.
    virtual void SetClipRect(const Rect& clip) = 0;
    virtual void ClearClip() = 0;

    // Drawing.
    virtual void MoveTo(Point to) = 0;
    // A line from the current position to the point, which becomes the current position.
    virtual void LineTo(Point to) = 0;
    // An ellipse inside the box, outlined with the pen and filled with the brush.
    virtual void Ellipse(const Rect& box) = 0;
    // The text at the reference point, placed by the text alignment, in the selected font.
    virtual void DrawText(Point at, const std::string& text) = 0;
    // The width and height the text takes in the selected font, before any rotation.
    virtual Size MeasureText(const std::string& text) const = 0;
};

// Saves the drawing state for its lifetime, so that pens, fonts and clips made for one drawing
// are gone on every way out of it.
class DrawStateGuard {
public:
    explicit DrawStateGuard(DrawContext& dc) : dc_(dc) { dc_.SaveState(); }
    ~DrawStateGuard() { dc_.RestoreState(); }
    DrawStateGuard(const DrawStateGuard&) = delete;
    DrawStateGuard& operator=(const DrawStateGuard&) = delete;

private:
    DrawContext& dc_;
};

// Selects a pen for its lifetime and then restores the one it replaced.
class PenGuard {
public:
    PenGuard(DrawContext& dc, const Pen& pen) : dc_(dc), previous_(dc.SelectPen(pen)) {}
    ~PenGuard() { dc_.SelectPen(previous_); }
    PenGuard(const PenGuard&) = delete;
    PenGuard& operator=(const PenGuard&) = delete;

private:
    DrawContext& dc_;
    Pen previous_;
};

}  // namespace tapwright
