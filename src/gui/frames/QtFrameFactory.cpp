#include "gui/frames/QtFrameFactory.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "app/FirApp.h"
#include "document/DocumentHost.h"
#include "document/FirDoc.h"
#include "gui/frames/FramePlacement.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/platform/CoreText.h"
#include "plot/WindowKind.h"

namespace tapwright::gui {

namespace {

// The window the user works in, where a new window goes beside; none while it is maximised
// (the new window is then maximised in its place by the area).
std::optional<QRect> CurrentGeometry(const QMdiArea& area) {
    const QMdiSubWindow* current = area.currentSubWindow();
    if (current == nullptr || current->isMaximized() || current->isMinimized() ||
        current->isHidden()) {
        return std::nullopt;
    }
    return current->geometry();
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
    // Where the user works now, so that a form and the plot of its design are both in sight.
    const std::optional<QRect> current = CurrentGeometry(*area_);
    auto* frame = new ProjectFrame(*project, std::move(parts),
                                   [this](ProjectFrame& closing) { OnCloseRequest(closing); });
    frame->setWindowIcon(area_->window()->windowIcon());
    area_->addSubWindow(frame);
    frames_.emplace_back(frame);
    UpdateCaptions(*project);
    frame->show();
    // Shown, the frame knows the size of its title bar and borders, and so its own size.
    if (!frame->isMaximized()) {
        frame->setGeometry(PlacementFor(*area_).NewFrame(current, frame->NaturalSize()));
    }
    frame->raise();
    area_->setActiveSubWindow(frame);
    // The document tells the new view what it shows right after this; the caption says it
    // once the program is back in its event loop.
    QTimer::singleShot(0, frame, [this] { RefreshCaptions(); });
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
    const QRect place = frame->NormalPlace();
    return Rect{place.left(), place.top(), place.left() + place.width(),
                place.top() + place.height()};
}

void QtFrameFactory::PlaceFrame(CView& view, const Rect& frame) {
    if (ProjectFrame* window = FrameOf(view)) {
        window->setGeometry(frame.left, frame.top, frame.Width(), frame.Height());
    }
}

WindowState QtFrameFactory::FrameState(const CView& view) const {
    const ProjectFrame* frame = FrameOf(view);
    if (frame == nullptr) {
        return WindowState::Normal;
    }
    if (frame->isMinimized()) {
        return WindowState::Minimized;
    }
    return frame->isMaximized() ? WindowState::Maximized : WindowState::Normal;
}

void QtFrameFactory::SetFrameState(CView& view, WindowState state) {
    ProjectFrame* frame = FrameOf(view);
    if (frame == nullptr) {
        return;
    }
    switch (state) {
        case WindowState::Maximized:
            frame->showMaximized();
            break;
        case WindowState::Minimized:
            frame->showMinimized();
            break;
        case WindowState::Normal:
            frame->showNormal();
            break;
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
        QString caption = frames.size() == 1 ? title : QString("%1:%2").arg(title).arg(i + 1);
        const std::string kind = WindowKindText(frames[i]->View());
        if (!kind.empty()) {
            caption += ' ' + ToQString(kind);
        }
        frames[i]->setWindowTitle(caption);
    }
}

void QtFrameFactory::RefreshCaptions() {
    std::vector<const CFirDoc*> documents;
    for (const QPointer<ProjectFrame>& frame : frames_) {
        const CFirDoc* document = frame != nullptr ? frame->Document() : nullptr;
        if (document != nullptr &&
            std::find(documents.begin(), documents.end(), document) == documents.end()) {
            documents.push_back(document);
            UpdateCaptions(*document);
        }
    }
}

void QtFrameFactory::OnCloseRequest(ProjectFrame& frame) {
    if (CFirDoc* document = frame.Document()) {
        document->Host().CloseFrame(frame.View());
    }
}

}  // namespace tapwright::gui
