#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "support/RecordingDrawContext.h"

namespace tapwright::test {

// A clipboard that keeps everything it is given: each text, and each picture drawn into a
// recording context of the picture's size.
class FakeClipboard : public Clipboard {
public:
    void SetText(const std::string& text) override { texts_.push_back(text); }
    void SetPicture(int width, int height, const std::function<void(DrawContext&)>& draw) override;

    const std::vector<std::string>& Texts() const { return texts_; }
    int PictureCount() const { return static_cast<int>(pictures_.size()); }
    // The drawing of the last picture; only valid while PictureCount() > 0.
    const RecordingDrawContext& LastPicture() const { return *pictures_.back().drawing; }
    Size LastPictureSize() const { return pictures_.back().size; }

private:
    struct Picture {
        Size size;
        std::unique_ptr<RecordingDrawContext> drawing;
    };
    std::vector<std::string> texts_;
    std::vector<Picture> pictures_;
};

}  // namespace tapwright::test
