#pragma once

namespace tapwright {

class CSerDoc;
class CView;
enum class ViewKind;

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

    // The document's title or path has changed: the frame captions follow.
    virtual void OnTitleChanged(CSerDoc& /*document*/) {}
};

}  // namespace tapwright
