#include "support/RecordingDrawContext.h"

#include <gtest/gtest.h>

namespace tapwright::test {

RecordingDrawContext::Call& RecordingDrawContext::Record(Kind kind) {
    Call call{};
    call.kind = kind;
    call.pen = state_.pen;
    call.brush = state_.brush;
    call.font = state_.font;
    call.align = state_.align;
    call.textColor = state_.textColor;
    call.clip = state_.clip;
    calls_.push_back(call);
    return calls_.back();
}

std::vector<RecordingDrawContext::Line> RecordingDrawContext::Lines() const {
    std::vector<Line> lines;
    for (const auto& call : calls_) {
        if (call.kind == Kind::LineTo) {
            lines.push_back({call.from, call.at, call.pen, call.clip});
        }
    }
    return lines;
}

std::vector<RecordingDrawContext::Text> RecordingDrawContext::Texts() const {
    std::vector<Text> texts;
    for (const auto& call : calls_) {
        if (call.kind == Kind::DrawText) {
            texts.push_back({call.at, call.text, call.font, call.align});
        }
    }
    return texts;
}

std::vector<RecordingDrawContext::Oval> RecordingDrawContext::Ovals() const {
    std::vector<Oval> ovals;
    for (const auto& call : calls_) {
        if (call.kind == Kind::Ellipse) {
            ovals.push_back({call.box, call.pen, call.brush, call.clip});
        }
    }
    return ovals;
}

std::vector<std::string> RecordingDrawContext::TextStrings() const {
    std::vector<std::string> texts;
    for (const auto& text : Texts()) {
        texts.push_back(text.text);
    }
    return texts;
}

void RecordingDrawContext::SaveState() {
    Record(Kind::SaveState);
    saved_.push_back(state_);
}

void RecordingDrawContext::RestoreState() {
    Record(Kind::RestoreState);
    if (saved_.empty()) {
        ADD_FAILURE() << "RestoreState without a matching SaveState";
        return;
    }
    state_ = saved_.back();
    saved_.pop_back();
}

Pen RecordingDrawContext::SelectPen(const Pen& pen) {
    const Pen previous = state_.pen;
    state_.pen = pen;
    Record(Kind::SelectPen);
    return previous;
}

Color RecordingDrawContext::SelectBrush(Color fill) {
    const Color previous = state_.brush;
    state_.brush = fill;
    Record(Kind::SelectBrush);
    return previous;
}

std::optional<FontDescription> RecordingDrawContext::SelectFont(const FontDescription& wanted) {
    Record(Kind::SelectFont).font = wanted;
    if (refuseFonts_ || wanted.height <= 0) {
        return std::nullopt;
    }
    state_.font = wanted;
    return wanted;
}

void RecordingDrawContext::SetTextAlign(TextAlign align) {
    state_.align = align;
    Record(Kind::SetTextAlign);
}

void RecordingDrawContext::SetTextColor(Color color) {
    state_.textColor = color;
    Record(Kind::SetTextColor);
}

void RecordingDrawContext::SetClipRect(const Rect& clip) {
    state_.clip = clip;
    Record(Kind::SetClipRect).box = clip;
}

void RecordingDrawContext::ClearClip() {
    state_.clip.reset();
    Record(Kind::ClearClip);
}

void RecordingDrawContext::MoveTo(Point to) {
    Record(Kind::MoveTo).at = to;
    position_ = to;
}

void RecordingDrawContext::LineTo(Point to) {
    Call& call = Record(Kind::LineTo);
    call.from = position_;
    call.at = to;
    position_ = to;
}

void RecordingDrawContext::Ellipse(const Rect& box) {
    Record(Kind::Ellipse).box = box;
}

void RecordingDrawContext::DrawText(Point at, const std::string& text) {
    Call& call = Record(Kind::DrawText);
    call.at = at;
    call.text = text;
}

Size RecordingDrawContext::MeasureText(const std::string& text) const {
    return {static_cast<int>(text.size()) * state_.font.height / 2, state_.font.height};
}

}  // namespace tapwright::test
