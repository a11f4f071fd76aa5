#include "gui/app/IdleCommandRefresh.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace tapwright::gui {

IdleCommandRefresh::IdleCommandRefresh(std::function<void()> refresh)
    : refresh_(std::move(refresh)) {
    QCoreApplication::instance()->installEventFilter(this);
}

IdleCommandRefresh::~IdleCommandRefresh() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool IdleCommandRefresh::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!pending_ && (type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease)) {
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            refresh_();
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tapwright::gui
