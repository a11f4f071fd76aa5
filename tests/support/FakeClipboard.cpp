#include "support/FakeClipboard.h"

namespace tapwright::test {

void FakeClipboard::SetPicture(int width, int height,
                               const std::function<void(DrawContext&)>& draw) {
    auto drawing = std::make_unique<RecordingDrawContext>();
    draw(*drawing);
    pictures_.push_back({{width, height}, std::move(drawing)});
}

}  // namespace tapwright::test
