#pragma once

#include <functional>
#include <string>

namespace tapwright {

class DrawContext;

// The system clipboard: plain text, and pictures drawn by the core's own renderer.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Replaces the clipboard contents with the text.
    virtual void SetText(const std::string& text) = 0;

    // Replaces the clipboard contents with a picture of the given size in device units,
    // drawn by `draw`. An implementation may call `draw` more than once, once for each
    // picture format it offers.
    virtual void SetPicture(int width, int height,
                            const std::function<void(DrawContext&)>& draw) = 0;
};

}  // namespace tapwright
