#pragma once

#include <QByteArray>
#include <QImage>

#include "platform/Clipboard.h"

namespace tapwright::gui {

// The desktop clipboard. A picture goes on it twice in one offer, as SVG for programs that
// take vector drawings and as PNG for those that take only images, each drawn by the core
// into a device of its own.
class QtClipboard final : public Clipboard {
public:
    static constexpr const char* kSvgMimeType = "image/svg+xml";
    static constexpr const char* kPngMimeType = "image/png";

    void SetText(const std::string& text) override;
    // A picture without area leaves the clipboard as it is.
    void SetPicture(int width, int height, const std::function<void(DrawContext&)>& draw) override;

    // The two renderings of a picture; the clipboard offers exactly these.
    static QByteArray DrawSvg(int width, int height, const std::function<void(DrawContext&)>& draw);
    static QImage DrawImage(int width, int height, const std::function<void(DrawContext&)>& draw);
};

}  // namespace tapwright::gui
