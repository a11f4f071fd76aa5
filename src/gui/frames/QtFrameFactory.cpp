#include "gui/frames/QtFrameFactory.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

#include "app/FirApp.h"
#include "document/FirDoc.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

// A window without a size of its own (a plot, the text editor) opens at this share of the
// area, so that several can be seen side by side.
constexpr double kNewFrameShare = 0.6;
// Beside the window the user works in, when at least this share of the area's width is
// free there.
constexpr double kSideBySideShare = 0.4;

// Where a new window without a size of its own goes: beside the window the user works in
// when there is room, so that a form and the plot of its design are both in sight; else a
// title bar's height down and right of it; else the top left corner.
QRect NewFrameGeometry(const QMdiArea& area) {
    const QSize room = area.viewport()->size();
    QSize size(static_cast<int>(room.width() * kNewFrameShare),
               static_cast<int>(room.height() * kNewFrameShare));
    const QMdiSubWindow* current = area.currentSubWindow();
    if (current == nullptr || current->isMaximized()) {
        return {QPoint(0, 0), size};
    }
    const QRect beside = current->geometry();
    const int free = room.width() - beside.right() - 1;
    if (free >= static_cast<int>(room.width() * kSideBySideShare)) {
        return {QPoint(beside.right() + 1, beside.top()), QSize(free, size.height())};
    }
    const int step = current->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect cascaded(beside.topLeft() + QPoint(step, step), size);
    return QRect(QPoint(0, 0), room).contains(cascaded) ? cascaded : QRect(QPoint(0, 0), size);
}

}  // namespace

QtFrameFactory::QtFrameFactory(PartsMaker makeParts) : makeParts_(std::move(makeParts)) {}

QtFrameFactory::~QtFrameFactory() {
    for (const QPointer<ProjectFrame>& frame : retired_) {
        delete frame.data();
    }
}

CView* QtFrameFactory::CreateFrame(CSerDoc& document, ViewKind kind) {
    auto* project = dynamic_cast<CFirDoc*>(&document);
    if (project == nullptr || area_ == nullptr) {
        return nullptr;
    }
    FrameParts parts = makeParts_(*project, kind);
    if (parts.view == nullptr || parts.widget == nullptr) {
        return nullptr;
    }
    CView* view = parts.view.get();
    const QRect geometry = NewFrameGeometry(*area_);
    auto* frame = new ProjectFrame(*project, std::move(parts),
                                   [this](ProjectFrame& closing) { OnCloseRequest(closing); });
    frame->setWindowIcon(area_->window()->windowIcon());
    area_->addSubWindow(frame);
    frames_.emplace_back(frame);
    UpdateCaptions(*project);
    if (!frame->Content().FitsFrame()) {
        frame->setGeometry(geometry);
    }
    frame->show();
    area_->setActiveSubWindow(frame);
    return view;
}

void QtFrameFactory::ActivateFrame(CView& view) {
    ProjectFrame* frame = FrameOf(view);
    if (frame == nullptr || area_ == nullptr) {
        return;
    }
    if (frame->isMinimized()) {
        frame->showNormal();
    }
    frame->raise();
    area_->setActiveSubWindow(frame);
}

void QtFrameFactory::DestroyFrame(CView& view) {
    ProjectFrame* frame = FrameOf(view);
    if (frame == nullptr) {
        return;
    }
    CFirDoc* document = frame->Document();
    std::erase(frames_, frame);
    frame->Retire();
    if (area_ != nullptr) {
        area_->removeSubWindow(frame);
    }
    // The request to close may have come from inside the window's own event handling.
    frame->deleteLater();
    retired_.emplace_back(frame);
    std::erase_if(retired_, [](const QPointer<ProjectFrame>& gone) { return gone.isNull(); });
    if (document != nullptr) {
        UpdateCaptions(*document);
    }
}

void QtFrameFactory::OnTitleChanged(CSerDoc& document) {
    auto* project = dynamic_cast<CFirDoc*>(&document);
    if (project == nullptr) {
        return;
    }
    UpdateCaptions(*project);
    if (titleListener_) {
        titleListener_(*project);
    }
}

std::optional<Rect> QtFrameFactory::FrameRect(const CView& view) const {
    const ProjectFrame* frame = FrameOf(view);
    if (frame == nullptr) {
        return std::nullopt;
    }
    const QRect place = frame->geometry();
    return Rect{place.left(), place.top(), place.left() + place.width(),
                place.top() + place.height()};
}

void QtFrameFactory::PlaceFrame(CView& view, const Rect& frame) {
    if (ProjectFrame* window = FrameOf(view)) {
        window->setGeometry(frame.left, frame.top, frame.Width(), frame.Height());
    }
}

Rect QtFrameFactory::WorkArea() const {
    if (area_ == nullptr) {
        return {};
    }
    const QSize visible = area_->viewport()->size();
    return {0, 0, visible.width(), visible.height()};
}

ProjectFrame* QtFrameFactory::FrameOf(const CView& view) const {
    for (const QPointer<ProjectFrame>& frame : frames_) {
        if (frame != nullptr && &frame->View() == &view) {
            return frame.data();
        }
    }
    return nullptr;
}

std::vector<ProjectFrame*> QtFrameFactory::FramesOf(const CFirDoc& document) const {
    std::vector<ProjectFrame*> frames;
    for (const QPointer<ProjectFrame>& frame : frames_) {
        if (frame != nullptr && frame->Document() == &document) {
            frames.push_back(frame.data());
        }
    }
    return frames;
}

ProjectFrame* QtFrameFactory::CurrentFrame() const {
    if (area_ == nullptr) {
        return nullptr;
    }
    auto* frame = dynamic_cast<ProjectFrame*>(area_->currentSubWindow());
    return frame != nullptr && !frame->IsRetired() ? frame : nullptr;
}

void QtFrameFactory::UpdateCaptions(const CFirDoc& document) {
    const std::vector<ProjectFrame*> frames = FramesOf(document);
    const QString title = ToQString(document.GetTitle());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i]->setWindowTitle(frames.size() == 1 ? title
                                                     : QString("%1:%2").arg(title).arg(i + 1));
    }
}

void QtFrameFactory::OnCloseRequest(ProjectFrame& frame) {
    if (CFirDoc* document = frame.Document()) {
        document->App().CloseFrame(frame.View());
    }
}

}  // namespace tapwright::gui
