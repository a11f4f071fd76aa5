#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/DrawContext.h"

namespace tapwright::test {

// A device context that draws nothing and records every call with its geometry and the
// drawing state in force. Text is measured with a simple fixed font model: every character
// is half the font height wide, and every text is one font height tall.
class RecordingDrawContext : public DrawContext {
public:
    enum class Kind {
        SaveState,
        RestoreState,
        SelectPen,
        SelectBrush,
        SelectFont,
        SetTextAlign,
        SetTextColor,
        SetClipRect,
        ClearClip,
        MoveTo,
        LineTo,
        Ellipse,
        DrawText,
    };

    // One call and the state it was made in.
    struct Call {
        Kind kind;
        Point from;            // LineTo: the current position before the call
        Point at;              // MoveTo, LineTo, DrawText: the point given
        Rect box;              // Ellipse, SetClipRect
        std::string text;      // DrawText
        Pen pen;               // the pen in force (SelectPen: the one selected)
        Color brush;           // the brush in force
        FontDescription font;  // the font in force (SelectFont: the one asked for)
        TextAlign align;
        Color textColor;
        std::optional<Rect> clip;
    };

    struct Line {
        Point from;
        Point to;
        Pen pen;
        std::optional<Rect> clip;
    };

    struct Text {
        Point at;
        std::string text;
        FontDescription font;
        TextAlign align;
    };

    struct Oval {
        Rect box;
        Pen pen;
        Color brush;
        std::optional<Rect> clip;
    };

    // A screen by default; a printer has the page size as its resolution.
    void SetPrinting(bool printing, Size page = {}) {
        printing_ = printing;
        resolution_ = page;
    }
    void SetAspect(Size aspect) { aspect_ = aspect; }
    // Makes every later font request fail, as on a device without fonts.
    void RefuseFonts() { refuseFonts_ = true; }

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Line> Lines() const;
    std::vector<Text> Texts() const;
    std::vector<Oval> Ovals() const;
    // The texts drawn, in order, without their geometry.
    std::vector<std::string> TextStrings() const;
    const FontDescription& CurrentFont() const { return state_.font; }
    const Pen& CurrentPen() const { return state_.pen; }
    int SaveDepth() const { return static_cast<int>(saved_.size()); }

    bool IsPrinting() const override { return printing_; }
    Size Resolution() const override { return resolution_; }
    Size Aspect() const override { return aspect_; }
    void SaveState() override;
    void RestoreState() override;
    Pen SelectPen(const Pen& pen) override;
    Color SelectBrush(Color fill) override;
    std::optional<FontDescription> SelectFont(const FontDescription& wanted) override;
    void SetTextAlign(TextAlign align) override;
    void SetTextColor(Color color) override;
    Color WindowTextColor() const override { return kBlack; }
    void SetClipRect(const Rect& clip) override;
    void ClearClip() override;
    void MoveTo(Point to) override;
    void LineTo(Point to) override;
    void Ellipse(const Rect& box) override;
    void DrawText(Point at, const std::string& text) override;
    Size MeasureText(const std::string& text) const override;

private:
    struct State {
        Pen pen;
        Color brush = Rgb(255, 255, 255);
        FontDescription font{16, 400, false, false, "System", 0};
        TextAlign align;
        Color textColor = kBlack;
        std::optional<Rect> clip;
    };

    Call& Record(Kind kind);

    bool printing_ = false;
    Size resolution_{1920, 1080};
    Size aspect_{36, 36};
    bool refuseFonts_ = false;
    State state_;
    std::vector<State> saved_;
    Point position_;
    std::vector<Call> calls_;
};

}  // namespace tapwright::test
