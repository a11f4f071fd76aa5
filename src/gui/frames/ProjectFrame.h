#pragma once

#include <QMdiSubWindow>

#include <functional>
#include <memory>

#include "gui/frames/FrameContent.h"

namespace tapwright {
class CFirDoc;
class CView;
enum class ViewKind;
}  // namespace tapwright

namespace tapwright::gui {

// Everything one project window is made of: the core view, the widget that shows it, and
// what that widget offers the shared commands.
struct FrameParts {
    std::unique_ptr<CView> view;
    QWidget* widget = nullptr;
    std::unique_ptr<FrameContent> content;
};

// A project window: an MDI subwindow that owns its core view and the widget showing it.
// Closing it is the application's decision (the last window of a modified project asks
// first), so a close request is handed on instead of carried out.
class ProjectFrame final : public QMdiSubWindow {
public:
    using CloseRequest = std::function<void(ProjectFrame&)>;

    ProjectFrame(CFirDoc& document, FrameParts parts, CloseRequest onCloseRequest);
    ~ProjectFrame() override;
    ProjectFrame(const ProjectFrame&) = delete;
    ProjectFrame& operator=(const ProjectFrame&) = delete;

    // Only while the window is not retired.
    CView& View() const { return *view_; }
    ViewKind Kind() const;
    // Null once the project has let go of the window.
    CFirDoc* Document() const { return document_; }
    // Only while the window is not retired.
    FrameContent& Content() const { return *content_; }

    // The project has let go of the view: the view and its widget are destroyed, and the
    // window only waits to be deleted.
    void Retire();
    bool IsRetired() const { return document_ == nullptr; }

    // Called when the window becomes the active one: the view hears of it, and a form
    // window takes the size of its form, as far as the work area allows.
    void OnActivated();

    // The size the window takes by itself: its form's own size with the title bar and
    // borders around it; an invalid size for a window without a size of its own.
    QSize NaturalSize() const;

    // Where the window lies while neither maximised nor minimised, which is where it returns
    // to from either state.
    QRect NormalPlace() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FitToContent();
    void DestroyContent();

    CFirDoc* document_;
    std::unique_ptr<CView> view_;
    std::unique_ptr<FrameContent> content_;
    CloseRequest onCloseRequest_;
    // The place the window had when it was last maximised or minimised, and whether it was
    // neither when its state last changed.
    QRect normalPlace_;
    bool wasNormal_ = true;
};

}  // namespace tapwright::gui
