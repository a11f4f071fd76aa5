#include "gui/frames/FramePlacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

#include "gui/frames/ProjectFrame.h"

namespace tapwright::gui {

QSize FramePlacement::SizeFor(QSize natural) const {
    const QSize size = natural.isValid()
                           ? natural
                           : QSize(static_cast<int>(room_.width() * kShare),
                                   static_cast<int>(room_.height() * kShare));
    return size.boundedTo(room_);
}

QRect FramePlacement::KeptInside(QRect rect) const {
    rect.setSize(rect.size().boundedTo(room_));
    rect.moveLeft(std::max(0, std::min(rect.left(), room_.width() - rect.width())));
    rect.moveTop(std::max(0, std::min(rect.top(), room_.height() - rect.height())));
    return rect;
}

QRect FramePlacement::NewFrame(const std::optional<QRect>& current, QSize natural) const {
    const QSize size = SizeFor(natural);
    if (!current) {
        return KeptInside({QPoint(0, 0), size});
    }
    // A form needs its whole width beside the other window; a plot can make do with the room
    // there is, down to its least share.
    const int freeRight = room_.width() - current->right() - 1;
    const int neededRight = natural.isValid() ? size.width()
                                              : static_cast<int>(room_.width() * kBesideShare);
    if (freeRight >= neededRight) {
        const int width = natural.isValid() ? size.width() : freeRight;
        return KeptInside({QPoint(current->right() + 1, current->top()),
                           QSize(width, std::max(size.height(), current->height()))});
    }
    const int freeBelow = room_.height() - current->bottom() - 1;
    const int neededBelow = natural.isValid() ? size.height()
                                              : static_cast<int>(room_.height() * kBesideShare);
    if (freeBelow >= neededBelow) {
        const int height = natural.isValid() ? size.height() : freeBelow;
        return KeptInside({QPoint(current->left(), current->bottom() + 1),
                           QSize(std::max(size.width(), current->width()), height)});
    }
    return KeptInside({current->topLeft() + QPoint(step_, step_), size});
}

QRect FramePlacement::Cascaded(int position, QSize natural) const {
    const QSize size = SizeFor(natural);
    // How many steps fit before a window would leave the area.
    const int stepsAcross = step_ > 0 ? (room_.width() - size.width()) / step_ : 0;
    const int stepsDown = step_ > 0 ? (room_.height() - size.height()) / step_ : 0;
    const int steps = std::max(1, std::min(stepsAcross, stepsDown) + 1);
    const int offset = (position % steps) * step_;
    return KeptInside({QPoint(offset, offset), size});
}

FramePlacement PlacementFor(const QMdiArea& area) {
    return FramePlacement(area.viewport()->size(),
                          area.style()->pixelMetric(QStyle::PM_TitleBarHeight));
}

void CascadeFrames(QMdiArea& area) {
    const FramePlacement placement = PlacementFor(area);
    QMdiSubWindow* active = area.activeSubWindow();
    int position = 0;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (window->isHidden() || window->isMinimized()) {
            continue;
        }
        if (window->isMaximized()) {
            window->showNormal();
        }
        const auto* frame = dynamic_cast<const ProjectFrame*>(window);
        const QSize natural = frame != nullptr ? frame->NaturalSize() : QSize();
        window->setGeometry(placement.Cascaded(position++, natural));
        window->raise();
    }
    if (active != nullptr) {
        active->raise();
    }
}

}  // namespace tapwright::gui
