#include "gui/frames/ProjectFrame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QScrollArea>
#include <QEvent>

#include "document/FirDoc.h"
#include "gui/frames/FramePlacement.h"
#include "platform/View.h"

namespace tapwright::gui {

ProjectFrame::ProjectFrame(CFirDoc& document, FrameParts parts, CloseRequest onCloseRequest)
    : document_(&document),
      view_(std::move(parts.view)),
      content_(std::move(parts.content)),
      onCloseRequest_(std::move(onCloseRequest)) {
    if (content_->FitsFrame()) {
        // A form keeps its layout in a smaller window (tiled, say) and scrolls instead; in a
        // larger one it stays at its own size in the top left corner rather than spreading
        // its controls apart.
        if (QLayout* layout = parts.widget->layout()) {
            layout->setSizeConstraint(QLayout::SetFixedSize);
        }
        auto* scroller = new QScrollArea;
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        scroller->setWidgetResizable(true);
        scroller->setWidget(parts.widget);
        setWidget(scroller);
    } else {
        setWidget(parts.widget);
    }
}

ProjectFrame::~ProjectFrame() {
    if (document_ != nullptr) {
        document_->RemoveView(*view_);
    }
    DestroyContent();
}

ViewKind ProjectFrame::Kind() const {
    return view_ != nullptr ? view_->Kind() : ViewKind::Other;
}

void ProjectFrame::Retire() {
    document_ = nullptr;
    hide();
    DestroyContent();
}

// The widget goes before the view it shows, so that it never outlives it; both go while the
// project whose data they show still exists.
void ProjectFrame::DestroyContent() {
    delete widget();
    content_.reset();
    view_.reset();
}

void ProjectFrame::OnActivated() {
    if (IsRetired()) {
        return;
    }
    view_->OnActivateFrame();
    if (content_->FitsFrame()) {
        FitToContent();
    }
}

QSize ProjectFrame::NaturalSize() const {
    const auto* scroller = qobject_cast<const QScrollArea*>(widget());
    if (IsRetired() || !content_->FitsFrame() || scroller == nullptr ||
        scroller->widget() == nullptr) {
        return {};
    }
    const QSize decorations = size() - contentsRect().size();
    return scroller->widget()->sizeHint() + decorations;
}

// The frame takes the size the form asks for, growing or shrinking, around its title bar and
// borders, and moves where that keeps it inside the work area; only a form larger than the
// whole area scrolls. A maximised or minimised frame keeps the size the area gives it.
void ProjectFrame::FitToContent() {
    const QSize natural = NaturalSize();
    if (isMaximized() || isMinimized() || !natural.isValid()) {
        return;
    }
    if (QMdiArea* area = mdiArea()) {
        setGeometry(PlacementFor(*area).KeptInside({pos(), natural}));
    } else {
        resize(natural);
    }
}

QRect ProjectFrame::NormalPlace() const {
    const bool normal = (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) == 0;
    return normal || !normalPlace_.isValid() ? geometry() : normalPlace_;
}

void ProjectFrame::changeEvent(QEvent* event) {
    // The subwindow takes its maximised or minimised geometry while handling the change, so
    // the normal one is taken first. The subwindow repeats the change with an old state
    // that is not the one it left, so the state it left is followed here.
    if (event->type() == QEvent::WindowStateChange) {
        const bool normal = (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) == 0;
        if (wasNormal_ && !normal) {
            normalPlace_ = geometry();
        }
        wasNormal_ = normal;
    }
    QMdiSubWindow::changeEvent(event);
}

void ProjectFrame::closeEvent(QCloseEvent* event) {
    if (IsRetired()) {
        event->accept();
        return;
    }
    event->ignore();
    onCloseRequest_(*this);
}

}  // namespace tapwright::gui
