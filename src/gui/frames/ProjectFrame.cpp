#include "gui/frames/ProjectFrame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QScrollArea>

#include "document/FirDoc.h"
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

// The frame takes the size the form asks for, growing or shrinking, around its title bar and
// borders; a maximised or minimised frame keeps the size the area gives it.
void ProjectFrame::FitToContent() {
    auto* scroller = qobject_cast<QScrollArea*>(widget());
    if (isMaximized() || isMinimized() || scroller == nullptr || scroller->widget() == nullptr) {
        return;
    }
    const QSize decorations = size() - contentsRect().size();
    resize(scroller->widget()->sizeHint() + decorations);
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
