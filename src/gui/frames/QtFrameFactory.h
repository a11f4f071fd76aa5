#pragma once

#include <QMdiArea>
#include <QPointer>

#include <functional>
#include <vector>

#include "platform/FrameFactory.h"

namespace tapwright {
class CFirDoc;
}

namespace tapwright::gui {

class ProjectFrame;
struct FrameParts;

// Opens the windows of projects as subwindows of the main window's MDI area: each holds the
// core view of its kind and the widget that shows it. Captions follow the project's title,
// numbered ("Tapwright1:2") while a project has more than one window, and say what a window
// other than the specification editor shows ("Tapwright1:3 Group Delay").
class QtFrameFactory final : public FrameFactory {
public:
    // Makes the view and widget of a window kind for a project.
    using PartsMaker = std::function<FrameParts(CFirDoc&, ViewKind)>;
    // Told when a project's title or path has changed (after Save As).
    using TitleListener = std::function<void(CFirDoc&)>;

    explicit QtFrameFactory(PartsMaker makeParts);
    ~QtFrameFactory() override;
    QtFrameFactory(const QtFrameFactory&) = delete;
    QtFrameFactory& operator=(const QtFrameFactory&) = delete;

    // The area the windows open in; until it is set no window can be made.
    void SetArea(QMdiArea* area) { area_ = area; }
    void SetTitleListener(TitleListener listener) { titleListener_ = std::move(listener); }

    CView* CreateFrame(CSerDoc& document, ViewKind kind) override;
    void ActivateFrame(CView& view) override;
    void DestroyFrame(CView& view) override;
    void OnTitleChanged(CSerDoc& document) override;
    // Places are the frames' normal geometry within the area's viewport.
    std::optional<Rect> FrameRect(const CView& view) const override;
    void PlaceFrame(CView& view, const Rect& frame) override;
    WindowState FrameState(const CView& view) const override;
    // Maximising or minimising keeps the normal geometry, which restoring gives back.
    void SetFrameState(CView& view, WindowState state) override;
    Rect WorkArea() const override;

    // The open window that holds the view; null for none.
    ProjectFrame* FrameOf(const CView& view) const;
    // The open windows of a project, oldest first.
    std::vector<ProjectFrame*> FramesOf(const CFirDoc& document) const;
    // The window the user works in: the active subwindow, even while a dialog has the
    // focus; null without one.
    ProjectFrame* CurrentFrame() const;

    // Captions name the project, the window's number and what it shows, which a command in
    // the window (another response kind) may have changed.
    void RefreshCaptions();

private:
    void UpdateCaptions(const CFirDoc& document);
    void OnCloseRequest(ProjectFrame& frame);

    PartsMaker makeParts_;
    TitleListener titleListener_;
    QPointer<QMdiArea> area_;
    // Windows in the order they were made.
    std::vector<QPointer<ProjectFrame>> frames_;
    // Closed windows waiting for the event loop to delete them; whatever it has not deleted
    // when the factory ends is deleted then.
    std::vector<QPointer<ProjectFrame>> retired_;
};

}  // namespace tapwright::gui
