#pragma once

#include <optional>

#include "platform/DrawContext.h"

namespace tapwright {

class CSerDoc;
class CView;
enum class ViewKind;

// How a frame shows in the work area: at its own place and size, filling the area, or as an
// icon.
enum class WindowState { Normal, Maximized, Minimized };

// Opens and closes the windows of documents. The desktop implements it with MDI subwindows,
// one frame template per view kind; the tests with plain objects. Documents decide when a
// window opens; the factory only makes it.
class FrameFactory {
public:
    virtual ~FrameFactory() = default;

    // Opens a frame from the template of the kind, holding a new view of the document. The
    // frame owns the view; the document registers it and runs its initial update. Null when
    // no frame could be made.
    virtual CView* CreateFrame(CSerDoc& document, ViewKind kind) = 0;

    // Brings the frame that holds the view to the top and activates it.
    virtual void ActivateFrame(CView& view) = 0;

    // Closes the frame that holds the view and destroys both. The document has already let
    // go of the view.
    virtual void DestroyFrame(CView& view) = 0;

    // Where the frame holding the view lies in the work area; none where frames have no
    // place (tests, the command-line tool).
    virtual std::optional<Rect> FrameRect(const CView& /*view*/) const { return std::nullopt; }
    // Moves and sizes the frame holding the view.
    virtual void PlaceFrame(CView& /*view*/, const Rect& /*frame*/) {}
    // Whether the frame holding the view is maximised or minimised; its FrameRect stays the
    // place it returns to.
    virtual WindowState FrameState(const CView& /*view*/) const { return WindowState::Normal; }
    // Maximises, minimises or restores the frame holding the view; restoring returns it to
    // the place it was last given.
    virtual void SetFrameState(CView& /*view*/, WindowState /*state*/) {}
    // The visible area frames lie in; empty where there is none.
    virtual Rect WorkArea() const { return {}; }

    // The document's title or path has changed: the frame captions follow.
    virtual void OnTitleChanged(CSerDoc& /*document*/) {}
};

}  // namespace tapwright
